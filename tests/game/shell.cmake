vorlane_add_test(NAME window_core_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowLayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp)
vorlane_add_test(NAME window_tests WIDGETS SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/TForm1TestFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1DrawTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1StartupTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1MenuTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1DesktopTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1UsabilityTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureSharpnessTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AccessibilityTest.cpp)
# The pictures again on a screen of twice the pixel ratio.
add_test(NAME window_tests_scale2 COMMAND window_tests --gtest_filter=PictureSharpnessTest.*)
set_tests_properties(window_tests_scale2 PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
