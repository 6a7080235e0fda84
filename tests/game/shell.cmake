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

# The monkey test plays on a real built data set: this build's, or the one named by
# VORLANE_DATA_SET. The name keeps it out of runs that never build the data set.
set(vorlane_monkey_data "${VORLANE_DATA_SET}")
if(NOT vorlane_monkey_data AND TARGET mkdata_data)
  set(vorlane_monkey_data "${VORLANE_DIST_DIR}/Zari666")
endif()
if(vorlane_monkey_data)
  vorlane_add_test(NAME monkey_dataset_tests WIDGETS SOURCES ${CMAKE_CURRENT_LIST_DIR}/MonkeyTest.cpp)
  target_compile_definitions(monkey_dataset_tests PRIVATE
    VORLANE_DATA_SET="${vorlane_monkey_data}")
  if(TARGET mkdata_data)
    add_dependencies(monkey_dataset_tests mkdata_data)
  endif()
endif()
