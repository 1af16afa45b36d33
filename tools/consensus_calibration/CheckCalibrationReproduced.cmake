# Runs every method's leave-one-out again and compares the calibration header and the table of
# estimates with the committed files. Skipped where the reference data are not beside the
# repository.
if(NOT EXISTS "${REFDATA}/SP175/A.txt")
    message("reference data not found at ${REFDATA}: nothing to compare")
    return()
endif()
execute_process(COMMAND "${GENERATOR}" "${SOURCE}/data" "${REFDATA}"
                        "${OUTPUT}/ConsensusCalibration.h"
                        "${OUTPUT}/consensus-leave-one-out.txt"
                        "${OUTPUT}/consensus-leave-one-out-idp175.txt"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()
foreach(pair "ConsensusCalibration.h;src/analysis/ConsensusCalibration.h"
             "consensus-leave-one-out.txt;tests/analysis/consensus-leave-one-out.txt"
             "consensus-leave-one-out-idp175.txt;tests/analysis/consensus-leave-one-out-idp175.txt")
    list(GET pair 0 written)
    list(GET pair 1 committed)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUTPUT}/${written}"
                            "${SOURCE}/${committed}" RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "${committed} is not what the generator writes")
    endif()
endforeach()
