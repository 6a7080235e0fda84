vorlane_add_test(NAME window_core_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowLayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp)
vorlane_add_test(NAME window_tests WIDGETS SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/TForm1TestFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1DrawTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1StartupTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1MenuTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1DesktopTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1UsabilityTest.cpp)
