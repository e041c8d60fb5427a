list(APPEND VXCORE_SOURCES app/Trace.cpp app/VxConfig.cpp)
list(APPEND VXUI_SOURCES app/Globals.cpp app/VxUI2008App.cpp)
list(APPEND VXCORE_SOURCES app/LangTable.cpp app/LangFormat.cpp)
list(APPEND VXUI_SOURCES app/LangWin.cpp)
