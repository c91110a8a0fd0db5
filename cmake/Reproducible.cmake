# The same sources built in another folder give the same bytes: the folders'
# paths, which the compiler writes into the debug information (and into
# __FILE__), are written relative to the source folder instead. g++'s link
# step needs them too, since its link-time optimisation compiles there.
set(trot_prefix_maps -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.)
string(FIND "${CMAKE_BINARY_DIR}/" "${CMAKE_SOURCE_DIR}/" binary_in_source)
if(NOT binary_in_source EQUAL 0)
  list(APPEND trot_prefix_maps -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
endif()
add_compile_options(${trot_prefix_maps})
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_link_options(${trot_prefix_maps})
endif()
