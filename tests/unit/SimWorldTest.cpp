#include "world/SimWorld.h"

#include <gtest/gtest.h>

TEST(SimWorld, ScenarioFileOverridesTheDefaults)
{
    const SimScenario defaults = SimScenario::FromIni("");
    EXPECT_EQ(12, defaults.winOs);
    EXPECT_TRUE(defaults.admin);

    const SimScenario xp = SimScenario::FromIni("; an XP machine\n[System]\nWinOS = 8\nadmin=0\n");
    EXPECT_EQ(8, xp.winOs);
    EXPECT_FALSE(xp.admin);
}

TEST(SimWorld, SessionAndCallLog)
{
    SimWorld world;
    SimScenario s;
    s.winOs = 10;
    world.Reset(s);
    EXPECT_FALSE(world.IsInitialised());
    world.LogCall("VXWL_Initial(Ombrel)");
    world.Initial("Ombrel", 0x1234);
    EXPECT_TRUE(world.IsInitialised());
    EXPECT_EQ(0x1234u, world.ControllerWindow());
    EXPECT_EQ(10, world.WinOS());
    world.LogCall("VXWL_DeInitial()");
    world.DeInitial();
    EXPECT_FALSE(world.IsInitialised());
    EXPECT_EQ("VXWL_Initial(Ombrel)\nVXWL_DeInitial()\n", world.CallLog());
    world.Reset(s);
    EXPECT_EQ("", world.CallLog());
}
