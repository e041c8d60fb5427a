list(APPEND VXCORE_SOURCES
  ui/controls/ControlMath.cpp
  ui/controls/DialogTemplateFont.cpp)
list(APPEND VXUI_SOURCES
  framework/Gdi.cpp
  ui/controls/ButtonST.cpp
  ui/controls/CeXDib.cpp
  ui/controls/ComboBoxSuper.cpp
  ui/controls/Gradient.cpp
  ui/controls/HistogramCtrl.cpp
  ui/controls/InfoWnd.cpp
  ui/controls/LinkSlider.cpp
  ui/controls/MessageBoxDlg.cpp
  ui/controls/ProgressCtrlX.cpp
  ui/controls/QuickList.cpp
  ui/controls/ResizeDlg.cpp
  ui/controls/Separator.cpp
  ui/controls/ShadeButtonST.cpp
  ui/controls/SmartEdit.cpp
  ui/controls/TabDialog.cpp)
