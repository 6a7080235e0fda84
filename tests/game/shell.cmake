vorlane_add_test(NAME window_core_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowLayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp)
