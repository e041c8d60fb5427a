list(APPEND VXCORE_SOURCES
  ui/controls/ControlMath.cpp
  ui/controls/DialogTemplateFont.cpp)
list(APPEND VXUI_SOURCES
  framework/Gdi.cpp
  ui/controls/ButtonST.cpp
  ui/controls/CeXDib.cpp
  ui/controls/Gradient.cpp
  ui/controls/MessageBoxDlg.cpp
  ui/controls/ProgressCtrlX.cpp
  ui/controls/QuickList.cpp
  ui/controls/ResizeDlg.cpp
  ui/controls/ShadeButtonST.cpp
  ui/controls/TabDialog.cpp)
