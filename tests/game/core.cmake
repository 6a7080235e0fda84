vorlane_add_test(NAME game_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GameTestSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrawFlowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WordEntryTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScoringTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HintsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatusTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DamagedDataTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScenarioTest.cpp)
