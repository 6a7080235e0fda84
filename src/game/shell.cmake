include(${CMAKE_CURRENT_LIST_DIR}/window_core.cmake)
