// CVxUI2008App: the program's entry; keeps a single instance and runs the controller.
#pragma once

#include "framework/App.h"

// Names shared between copies of the program.
#define VX_INSTANCE_MUTEX "ZT84"
#define VX_SHOW_UI_EVENT "ShowUIEvent"

class CVxUI2008App : public CApplication {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // True for the hidden-start switch: exactly "-S" or "-s".
    static bool IsHiddenStartSwitch(const char* cmdLine);

    // Handle of the single-instance mutex; null when this copy is not the owner.
    HANDLE m_hMutex = nullptr;
};
