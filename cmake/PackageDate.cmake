# Read by cpack as it starts each package: it stamps the files it archives
# with SOURCE_DATE_EPOCH when that is set, and else with their times on the
# disk, which differ from one build to the next.
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_TROT_BUILD_EPOCH})
endif()
