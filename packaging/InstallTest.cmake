# Installs the build into STAGE and runs All methods on a copy of SAMPLE with the installed
# tavrelion-batch, which must find its analysis programs and data files from the installed layout.
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${STAGE}/usr"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
foreach(file bin/tavrelion bin/tavrelion-batch libexec/tavrelion/K2D.EXE share/tavrelion/DATA.CD
             share/tavrelion/help/index.html share/applications/tavrelion.desktop
             share/icons/hicolor/256x256/apps/tavrelion.png share/man/man1/tavrelion-batch.1)
    if(NOT EXISTS "${STAGE}/usr/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
execute_process(COMMAND appstreamcli validate --no-net
                        "${STAGE}/usr/share/metainfo/org.tavrelion.Tavrelion.metainfo.xml"
                RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT valid EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate failed:\n${report}")
endif()
execute_process(COMMAND desktop-file-validate "${STAGE}/usr/share/applications/tavrelion.desktop"
                RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT valid EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate failed:\n${report}")
endif()

file(MAKE_DIRECTORY "${STAGE}/spectra")
file(COPY "${SAMPLE}" DESTINATION "${STAGE}/spectra")
get_filename_component(name "${SAMPLE}" NAME)
get_filename_component(base "${SAMPLE}" NAME_WE)
execute_process(COMMAND "${STAGE}/usr/bin/tavrelion-batch" --method all "${STAGE}/spectra/${name}"
                RESULT_VARIABLE ran OUTPUT_VARIABLE written ERROR_VARIABLE messages)
if(NOT ran EQUAL 0)
    message(FATAL_ERROR "installed tavrelion-batch failed (${ran}):\n${messages}")
endif()
foreach(extension SUM LST FIT K2D CNT SC3 SCM OUT)
    if(NOT EXISTS "${STAGE}/spectra/${base}.${extension}")
        message(FATAL_ERROR "no ${base}.${extension} after All methods:\n${written}\n${messages}")
    endif()
endforeach()
file(READ "${STAGE}/spectra/${base}.SUM" summary)
if(NOT summary MATCHES "K2D" OR summary MATCHES "nan")
    message(FATAL_ERROR "the summary is not a complete result:\n${summary}")
endif()
file(REMOVE_RECURSE "${STAGE}")
