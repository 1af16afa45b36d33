# Retrains the K2D map from the shipped reference proteins and compares the result with the
# committed weights.dat byte for byte.
execute_process(COMMAND "${GENERATOR}" "${REFERENCE}" "${OUTPUT}" RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the trainer failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUTPUT}" "${COMMITTED}" RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${COMMITTED} is not what the trainer writes from ${REFERENCE}")
endif()
