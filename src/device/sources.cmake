list(APPEND VXUI_SOURCES device/VxWLLib.cpp)
