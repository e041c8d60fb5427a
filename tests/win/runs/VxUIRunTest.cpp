// Whole runs of VxUI.exe, started as separate processes and watched from outside.
#include "harness/VxUIProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr UINT kTrayLaunch = 32931;
constexpr UINT kTrayExit = 32933;

void ExitAndWait(VxUIProcess& p, HWND controller)
{
    ASSERT_TRUE(::PostMessageA(controller, WM_COMMAND, kTrayExit, 0));
    DWORD code = 1;
    ASSERT_TRUE(p.WaitExit(15000, &code));
    EXPECT_EQ(0u, code);
}

std::string TextOf(HWND h)
{
    char text[512] = "";
    DWORD_PTR got = 0;
    ::SendMessageTimeoutA(h, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &got);
    return text;
}

BOOL CALLBACK CollectTexts(HWND h, LPARAM lParam)
{
    *reinterpret_cast<std::string*>(lParam) += TextOf(h) + "\n";
    return TRUE;
}

} // namespace

TEST(VxUIRun, SingleInstanceHandsASecondStartToTheRunningCopy)
{
    VxUIProcess p("single");
    p.WriteFile("VxUI.ini", "[Settings]\r\nDebugMode=1\r\n");
    ASSERT_TRUE(p.Start());
    HWND controller = p.WaitForWindow("Ombrel Utility", 20000);
    ASSERT_NE(nullptr, controller);
    EXPECT_FALSE(::IsWindowVisible(controller));
    ASSERT_TRUE(p.WaitForTrace("[VxUI] Load dll Success: ", 10000));

    // The second copy signals the first and leaves within a few seconds.
    HANDLE second = p.StartPlain();
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(second, 5000));
    DWORD code = 1;
    ::GetExitCodeProcess(second, &code);
    EXPECT_EQ(0u, code);
    ::CloseHandle(second);
    EXPECT_TRUE(p.WaitForTrace("[VxUI] --> CHideDlg::OnTrayLaunch\n", 5000));
    EXPECT_EQ(controller, p.WaitForWindow("Ombrel Utility", 0));

    ExitAndWait(p, controller);
    // Everything named is gone with the process: a new copy could start.
    HANDLE mutex = ::CreateMutexA(nullptr, FALSE, "ZT84");
    EXPECT_NE(static_cast<DWORD>(ERROR_ALREADY_EXISTS), ::GetLastError());
    ::CloseHandle(mutex);
    EXPECT_EQ(nullptr, ::OpenEventA(SYNCHRONIZE, FALSE, "ShowUIEvent"));
    EXPECT_NE(std::string::npos, p.Trace().find("[VxUI] <-- CHideDlg::OnDestroy\n"));
}

TEST(VxUIRun, HiddenStartSwitchClearsShowUI)
{
    struct Case {
        const char* args;
        int showUI;
    } cases[] = {{"", 1}, {"-s", 0}, {"-S", 0}, {"-S x", 1}};
    for (const Case& c : cases) {
        VxUIProcess p("switch");
        p.WriteFile("VxUI.ini", "[Settings]\r\nDebugMode=1\r\n");
        ASSERT_TRUE(p.Start(c.args));
        HWND controller = p.WaitForWindow("Ombrel Utility", 20000);
        ASSERT_NE(nullptr, controller) << c.args;
        EXPECT_TRUE(p.WaitForTrace("[VxUI] bShowUI = " + std::to_string(c.showUI) + "\n", 10000)) << c.args;
        ExitAndWait(p, controller);
    }
}

TEST(VxUIRun, NothingIsTracedWithDebugModeZero)
{
    VxUIProcess p("quiet");
    p.WriteFile("VxUI.ini", "[Settings]\r\nDebugMode=0\r\n");
    ASSERT_TRUE(p.Start());
    HWND controller = p.WaitForWindow("Ombrel Utility", 20000);
    ASSERT_NE(nullptr, controller);
    ExitAndWait(p, controller);
    EXPECT_EQ(std::string::npos, p.Trace().find("[VxUI]"));
}

TEST(VxUIRun, MissingDeviceLibraryShowsItsPathAndEnds)
{
    VxUIProcess p("nolib");
    p.DeleteFile("VxWLAPI.dll");
    ASSERT_TRUE(p.Start());
    HWND box = p.WaitForWindow("Load dll fail", 20000);
    ASSERT_NE(nullptr, box);
    std::string texts;
    ::EnumChildWindows(box, &CollectTexts, reinterpret_cast<LPARAM>(&texts));
    EXPECT_NE(std::string::npos, texts.find(p.Folder() + "VxWLAPI.dll")) << texts;
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD code = 1;
    ASSERT_TRUE(p.WaitExit(15000, &code));
    EXPECT_EQ(0u, code);
}
