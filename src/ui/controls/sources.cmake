list(APPEND VXCORE_SOURCES
  ui/controls/ControlMath.cpp
  ui/controls/DialogTemplateFont.cpp)
list(APPEND VXUI_SOURCES)
