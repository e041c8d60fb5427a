list(APPEND VXCORE_SOURCES framework/VxString.cpp)
list(APPEND VXUI_SOURCES
  framework/App.cpp
  framework/DataExchange.cpp
  framework/Dialog.cpp
  framework/Wnd.cpp)
list(APPEND VXCORE_SOURCES framework/PageFontRule.cpp)
list(APPEND VXUI_SOURCES framework/PageFont.cpp)
