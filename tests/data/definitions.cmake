vorlane_add_test(NAME definitions_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionMaskTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionWriterTest.cpp)
