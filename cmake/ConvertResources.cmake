# Builds the binary resources from resources/src with the just-built
# converter. The converter reports a bad source file and carries on, so its
# output is read here: any failure or reader message fails the build.
#   -DTROTCONV=<path> -DSOURCE=<resources/src> -DOUTPUT=<build/resources>
file(MAKE_DIRECTORY "${OUTPUT}")

function(run_converter)
  execute_process(COMMAND "${TROTCONV}" ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  string(REGEX MATCH "(Failed|Unexpected|Unknown|isnt a directory)[^\n]*" problem "${out}")
  if(NOT status EQUAL 0 OR problem OR NOT err STREQUAL "")
    message(FATAL_ERROR "trotconv ${ARGN} failed (status ${status}):\n${out}${err}")
  endif()
endfunction()

run_converter(convertponies "${SOURCE}/ttyponies" "${SOURCE}/quotes" "${OUTPUT}/ponies.bin")
run_converter(convertponies "${SOURCE}/extrattyponies" "${SOURCE}/quotes" "${OUTPUT}/extraponies.bin")
run_converter(convertbubbles "${SOURCE}/balloons" "${OUTPUT}/bubbles")
file(TOUCH "${OUTPUT}/.built")
