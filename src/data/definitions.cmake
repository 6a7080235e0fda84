target_sources(vorlane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Definitions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionWriter.cpp)
