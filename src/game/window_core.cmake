# The main window's placement and start-up decisions, in the core.
target_sources(vorlane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp)
