list(APPEND VXCORE_SOURCES device/ScanTable.cpp device/ScanRepository.cpp device/RecordDump.cpp)
list(APPEND VXUI_SOURCES device/VxWLLib.cpp)
