target_sources(tavrelion_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ProgramRunner.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgramRunner.h)
