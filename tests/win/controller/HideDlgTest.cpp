// The controller window in-process: start-up, the second-start listener, the exit command and
// the configuration it reads through the device library binding.
#include "app/Globals.h"
#include "app/Trace.h"
#include "app/VxUI2008App.h"
#include "controller/HideDlg.h"
#include "device/VxWLLib.h"
#include "harness/ControllerRun.h"
#include "harness/Handles.h"
#include "harness/MessagePump.h"
#include "harness/TraceCapture.h"
#include "ui/controls/ResizeDlg.h"
#include "VxSimControl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

class HideDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Holding the library keeps its world (and call log) across the controller's unload.
        m_hLib = ::LoadLibraryA("VxWLAPI.dll");
        ASSERT_NE(nullptr, m_hLib);
        ASSERT_TRUE(m_sim.Bind(m_hLib));
        m_sim.Reset(nullptr);
        WriteTextFile(TestConfigPath(), "[Settings]\r\nDebugMode=1\r\n");
    }
    void TearDown() override
    {
        ::DeleteFileA(TestConfigPath().c_str());
        ::DeleteFileA((TestExeFolder() + "scenario.ini").c_str());
        ::FreeLibrary(m_hLib);
    }
    std::string CallLog() const
    {
        std::string log(static_cast<size_t>(m_sim.GetCallLog(nullptr, 0)) + 1, '\0');
        m_sim.GetCallLog(&log[0], static_cast<int>(log.size()));
        return log.c_str();
    }
    INT_PTR Run(const std::function<void(CTestHideDlg&)>& during) { return RunController(during); }

    HMODULE m_hLib = nullptr;
    VxSimControl m_sim;
};

} // namespace

TEST_F(HideDlgTest, RunsHiddenUnderItsTitleAndEndsCleanlyOnTheExitCommand)
{
    Run(nullptr); // first run: lets the system create whatever it keeps for the process
    const int handlesBefore = CountOpenHandles();
    ASSERT_GT(handlesBefore, 0);
    TraceCapture trace;
    m_sim.ClearCallLog();

    HANDLE hSeenEvent = nullptr;
    const INT_PTR result = Run([&](CTestHideDlg& dlg) {
        EXPECT_EQ(dlg.m_hWnd, ::FindWindowA(nullptr, "Ombrel Utility"));
        EXPECT_FALSE(dlg.IsWindowVisible());
        // Painting hides it again even if something showed it.
        dlg.ShowWindow(SW_SHOWNA);
        dlg.UpdateWindow();
        EXPECT_FALSE(dlg.IsWindowVisible());
        EXPECT_TRUE(dlg.IsListenerRunning());
        hSeenEvent = ::OpenEventA(SYNCHRONIZE, FALSE, "ShowUIEvent");
        EXPECT_NE(nullptr, hSeenEvent);
        EXPECT_NE(std::string::npos, CallLog().find("VXWL_Initial(Ombrel)"));
    });
    EXPECT_EQ(IDOK, result);
    ASSERT_NE(nullptr, hSeenEvent);
    ::CloseHandle(hSeenEvent);

    // The listener ended and closed its event: nobody holds the name any more.
    EXPECT_EQ(nullptr, ::OpenEventA(SYNCHRONIZE, FALSE, "ShowUIEvent"));
    EXPECT_EQ(handlesBefore, CountOpenHandles());
    EXPECT_FALSE(VXWLAPI.IsLoaded());
    EXPECT_NE(std::string::npos, CallLog().find("VXWL_DeInitial()"));
    EXPECT_TRUE(trace.Contains("[VxUI] --> VXWLLIB::Release\n"));
    EXPECT_TRUE(trace.Contains("[VxUI] FreeLibrary() success!\n"));
}

TEST_F(HideDlgTest, ASecondStartsSignalReachesTheControllerAsTheLaunchCommand)
{
    TraceCapture trace;
    Run([&](CTestHideDlg&) {
        HANDLE hEvent = ::OpenEventA(EVENT_ALL_ACCESS, FALSE, "ShowUIEvent");
        ASSERT_NE(nullptr, hEvent);
        ::SetEvent(hEvent);
        ::CloseHandle(hEvent);
        EXPECT_TRUE(PumpUntil([&] { return trace.Contains("[VxUI] --> CHideDlg::OnTrayLaunch\n"); }, 5000));
        // The listener goes on waiting for the next start.
        trace.Clear();
        hEvent = ::OpenEventA(EVENT_ALL_ACCESS, FALSE, "ShowUIEvent");
        ::SetEvent(hEvent);
        ::CloseHandle(hEvent);
        EXPECT_TRUE(PumpUntil([&] { return trace.Contains("[VxUI] --> CHideDlg::OnTrayLaunch\n"); }, 5000));
    });
}

TEST_F(HideDlgTest, ExitIsRefusedWhileAModalStepRuns)
{
    TraceCapture trace;
    Run([&](CTestHideDlg& dlg) {
        dlg.m_bDialogRunning = TRUE;
        dlg.SendMessage(WM_COMMAND, ID_TRAY_EXIT);
        EXPECT_TRUE(dlg.IsInModalLoop());
        EXPECT_TRUE(trace.Contains("[VxUI] m_bDialogRunning is TRUE!"));
        dlg.m_bDialogRunning = FALSE;
        // Enter, Escape and close requests do not end the controller either.
        dlg.SendMessage(WM_COMMAND, IDCANCEL);
        dlg.SendMessage(WM_COMMAND, IDOK);
        dlg.SendMessage(WM_CLOSE);
        EXPECT_TRUE(dlg.IsInModalLoop());
    });
}

TEST_F(HideDlgTest, TraceLevelFollowsTheFileWhenTheEightSecondTimerRereadsIt)
{
    TraceCapture trace;
    Run([&](CTestHideDlg& dlg) {
        EXPECT_EQ(1, VxGetTraceLevel());
        EXPECT_TRUE(trace.Contains("[VxUI] Load dll Success: "));

        WriteTextFile(TestConfigPath(), "[Settings]\r\nDebugMode=0\r\n");
        dlg.SendMessage(WM_TIMER, TIMER_HIDE_DLG_CHECKINI_DEBUGMODE);
        EXPECT_EQ(0, VxGetTraceLevel());
        trace.Clear();
        VxTrace("[VxUI] not written\n");
        EXPECT_TRUE(trace.Lines().empty());

        WriteTextFile(TestConfigPath(), "[Settings]\r\nDebugMode=4\r\n");
        dlg.SendMessage(WM_TIMER, TIMER_HIDE_DLG_CHECKINI_DEBUGMODE);
        EXPECT_EQ(4, VXWLAPI.nDebugMode);
        EXPECT_TRUE(trace.Contains("[VxUI] Set VXWLAPI.nDebugMode as 4\n"));
    });
}

TEST_F(HideDlgTest, ConfigurationIsReadFromTheProgramsIniFile)
{
    struct Case {
        int winOs;
        int admin;
        int buttons;
    } cases[] = {{12, 0, 2}, {12, 1, 3}, {11, 1, 2}};
    for (const Case& c : cases) {
        WriteTextFile(TestExeFolder() + "scenario.ini",
                  "[System]\r\nWinOS=" + std::to_string(c.winOs) + "\r\nAdmin=" + std::to_string(c.admin) + "\r\n");
        ASSERT_EQ(1, m_sim.Reset((TestExeFolder() + "scenario.ini").c_str()));
        WriteTextFile(TestConfigPath(), "[UI Button]\r\nButton Sequence=3,0,12\r\n[Advance]\r\nRetryConnectTimer=abc\r\n"
                                "Select11nDialog=1\r\nTxRate=0\r\n[Custom]\r\nSoftAP_UIName=" +
                                    std::string(80, 'n') + "\r\n");
        Run([&](CTestHideDlg&) {
            EXPECT_EQ(c.buttons, VXWLAPI.nButtonCount) << "os " << c.winOs << " admin " << c.admin;
            EXPECT_EQ(60, VXWLAPI.nRetryConnectTimer);
            EXPECT_TRUE(VXWLAPI.bTxRate);
            EXPECT_EQ(63u, std::strlen(VXWLAPI.szSoftAPUIName));
            EXPECT_EQ(0, VXWLAPI.nDebugMode);
        });
    }
}

TEST_F(HideDlgTest, ASmallDesktopSwitchesToTheCompactLayout)
{
    for (int bottom : {659, 660}) {
        CResizeDlg::SetDesktopBottomForTest(bottom);
        G_bHideTabIcon = false;
        bool toolWindow = false;
        Run([&](CTestHideDlg& dlg) { toolWindow = (dlg.GetExStyle() & WS_EX_TOOLWINDOW) != 0; });
        EXPECT_EQ(bottom < 660, G_bHideTabIcon) << bottom;
        EXPECT_EQ(bottom < 660, toolWindow) << bottom;
    }
    CResizeDlg::SetDesktopBottomForTest(0);
    G_bHideTabIcon = false;
}

TEST(HiddenStartSwitch, OnlyAnExactMatchCounts)
{
    struct Case {
        const char* cmdLine;
        bool hidden;
    } cases[] = {{"-S", true}, {"-s", true}, {"-S x", false}, {"", false}, {"-SS", false}, {"/s", false}, {nullptr, false}};
    for (const Case& c : cases)
        EXPECT_EQ(c.hidden, CVxUI2008App::IsHiddenStartSwitch(c.cmdLine)) << (c.cmdLine ? c.cmdLine : "(null)");
}
