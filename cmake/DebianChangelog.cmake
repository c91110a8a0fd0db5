# Writes <build>/doc/changelog.gz: CHANGELOG.md in the form Debian's tools
# read, one entry per version, newest first. In CHANGELOG.md a version is a
# "## 1.0.0 (2026-12-07)" heading, with its release date; the version not yet
# released has none and takes the build date. Its "### " headings become
# "[ ... ]" lines (those with nothing under them are left out), its "- "
# items "*" items, and every other line is indented as an item's next line;
# lines are kept as written, so CHANGELOG.md keeps them within 76 columns.
# The newest version must be this project's.
set(changelog_source ${CMAKE_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog_source})

# Seconds since 1970 at the start of a day given as "yyyy-mm-dd", counted in
# the proleptic Gregorian calendar.
function(changelog_day_epoch day variable)
  if(NOT day MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "CHANGELOG.md: \"${day}\" is not a date written as yyyy-mm-dd")
  endif()
  math(EXPR year "${CMAKE_MATCH_1}")
  math(EXPR month "${CMAKE_MATCH_2}")
  math(EXPR mday "${CMAKE_MATCH_3}")
  # Years start in March, so that the leap day comes last.
  if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 9")
  else()
    math(EXPR month "${month} - 3")
  endif()
  math(EXPR of_era "${year} % 400")
  math(EXPR days "${year} / 400 * 146097 + ${of_era} * 365 + ${of_era} / 4 - ${of_era} / 100 + (153 * ${month} + 2) / 5 + ${mday} - 1 - 719468")
  math(EXPR seconds "${days} * 86400")
  set(${variable} ${seconds} PARENT_SCOPE)
endfunction()

file(READ ${changelog_source} changelog)
string(REGEX MATCHALL "\n## [^\n]*" headings "${changelog}")
if(NOT headings MATCHES "^\n## ${PROJECT_VERSION}( |$|;)")
  message(FATAL_ERROR "CHANGELOG.md: the newest version is not ${PROJECT_VERSION}, the project's version")
endif()

set(debian_changelog "")
list(LENGTH headings count)
foreach(index RANGE 1 ${count})
  math(EXPR this "${index} - 1")
  list(GET headings ${this} heading)
  string(FIND "${changelog}" "${heading}\n" start)
  string(LENGTH "${heading}\n" heading_length)
  math(EXPR start "${start} + ${heading_length}")
  set(length -1)
  if(index LESS count)
    list(GET headings ${index} next)
    string(FIND "${changelog}" "${next}\n" end)
    math(EXPR length "${end} - ${start}")
  endif()
  string(SUBSTRING "${changelog}" ${start} ${length} body)

  string(REGEX MATCH "^\n## ([^ ]+)( \\(([0-9-]+)\\))?$" matched "${heading}")
  if(NOT matched)
    message(FATAL_ERROR "CHANGELOG.md: \"${heading}\" is not a heading \"## VERSION\" or \"## VERSION (yyyy-mm-dd)\"")
  endif()
  set(version ${CMAKE_MATCH_1})
  set(epoch ${TROT_BUILD_EPOCH})
  if(CMAKE_MATCH_3)
    changelog_day_epoch(${CMAKE_MATCH_3} epoch)
  endif()
  trot_format_epoch(date "%a, %d %b %Y %H:%M:%S +0000" ${epoch})

  # Headings with nothing under them go, then every line takes its form.
  set(before "")
  while(NOT body STREQUAL before)
    set(before "${body}")
    string(REGEX REPLACE "(^|\n)### [^\n]*\n[\n]*(###|$)" "\\1\\2" body "${body}")
  endwhile()
  string(REGEX REPLACE "\n[ \t]*([^-#\n \t][^\n]*)" "\n    \\1" body "\n${body}")
  string(REGEX REPLACE "\n- " "\n  * " body "${body}")
  string(REGEX REPLACE "\n### ([^\n]*)" "\n  [ \\1 ]" body "${body}")
  string(STRIP "${body}" body)
  string(APPEND debian_changelog "trotspeak (${version}) unstable; urgency=medium\n\n  ${body}\n\n"
                                 " -- ${TROT_PACKAGE_CONTACT}  ${date}\n\n")
endforeach()

# Compressed without a name or time in it, and only when it changed.
set(written "")
if(EXISTS ${out}/doc/changelog)
  file(READ ${out}/doc/changelog written)
endif()
if(NOT written STREQUAL debian_changelog)
  file(WRITE ${out}/doc/changelog "${debian_changelog}")
endif()
if(${out}/doc/changelog IS_NEWER_THAN ${out}/doc/changelog.gz)
  execute_process(COMMAND ${TROT_GZIP} -9nkf ${out}/doc/changelog COMMAND_ERROR_IS_FATAL ANY)
endif()
