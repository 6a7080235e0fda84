include(${CMAKE_CURRENT_LIST_DIR}/window_core.cmake)
target_sources(vorlane_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionMemo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1Build.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1Events.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1Menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1Port.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm1Render.cpp)
