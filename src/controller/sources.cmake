list(APPEND VXUI_SOURCES controller/HideDlg.cpp)
