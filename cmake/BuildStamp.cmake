# Writes the build stamp header at build time. string(TIMESTAMP) honours
# SOURCE_DATE_EPOCH, which makes reproducible builds possible.
string(TIMESTAMP stamp "%d/%m/%Y %H:%M.%S" UTC)
set(content "// Generated at build time; do not edit.\n#pragma once\nnamespace trot {\ninline constexpr const char* kBuildStamp = \"${stamp}\";\n}\n")
set(existing "")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" existing)
endif()
if(NOT existing STREQUAL content)
  file(WRITE "${OUTPUT}" "${content}")
endif()
