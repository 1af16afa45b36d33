# Regenerates a data file (DATA.CD, or with SET an engines' reference file) from the reference
# data and compares it with the committed file.
# Skipped where the reference data are not beside the repository.
if(NOT EXISTS "${REFDATA}/SP175/A.txt")
    message("reference data not found at ${REFDATA}: nothing to compare")
    return()
endif()
execute_process(COMMAND "${GENERATOR}" "${REFDATA}" "${OUTPUT}" ${SET} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUTPUT}" "${COMMITTED}" RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${COMMITTED} is not what the generator writes from ${REFDATA}")
endif()
