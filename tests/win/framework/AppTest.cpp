// The application object: start-up, message loop and exit code.
#include "framework/App.h"

#include <gtest/gtest.h>

namespace {

class CTestApp : public CApplication {
public:
    bool runLoop = false;
    int initCalls = 0;
    BOOL InitInstance() override
    {
        ++initCalls;
        if (runLoop)
            ::PostQuitMessage(0);
        return runLoop;
    }
    int ExitInstance() override { return 5; }
};

} // namespace

TEST(Application, RunsInitInstanceThenTheLoopThenExitInstance)
{
    for (bool loop : {false, true}) {
        CTestApp app;
        app.runLoop = loop;
        EXPECT_EQ(&app, CApplication::GetApp());
        EXPECT_EQ(5, app.Run(::GetModuleHandleA(nullptr), "-s"));
        EXPECT_EQ(1, app.initCalls);
        EXPECT_EQ(CString("-s"), app.m_strCmdLine);
    }
    EXPECT_EQ(nullptr, CApplication::GetApp());
}
