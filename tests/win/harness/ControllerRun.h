// Runs the controller window in-process: `during` is called inside its modal loop once its
// initialisation is over, then the exit command ends it.
#pragma once

#include "controller/HideDlg.h"

#include <functional>
#include <string>

class CTestHideDlg : public CHideDlg {
public:
    std::function<void(CTestHideDlg&)> during;

protected:
    BOOL OnInitDialog() override;

    BEGIN_MSG_MAP(CTestHideDlg, CHideDlg)
        ON_MESSAGE(WM_APP + 0x3F0, OnRun)
    END_MSG_MAP()

    LRESULT OnRun(WPARAM, LPARAM);
};

// Runs the controller modally with `during`; returns DoModal's result.
INT_PTR RunController(const std::function<void(CTestHideDlg&)>& during);

// The test executable's folder (with its trailing backslash), its configuration file (the
// program's path with "ini" for its extension) and a helper that writes a whole text file.
std::string TestExeFolder();
std::string TestConfigPath();
void WriteTextFile(const std::string& path, const std::string& text);
