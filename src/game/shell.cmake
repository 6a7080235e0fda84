include(${CMAKE_CURRENT_LIST_DIR}/window_core.cmake)
target_sources(vorlane_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.cpp)
