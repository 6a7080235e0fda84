# The rules of play: game state, view model and the engine, in the core.
target_sources(vorlane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GameEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrawFlow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WordEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Scoring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Hints.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Levels.cpp)
