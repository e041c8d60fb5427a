// Process-wide values of the application core.
#pragma once

// Compact layout: on when the desktop is less than 660 pixels high.
extern bool G_bHideTabIcon;
constexpr int VX_COMPACT_DESKTOP_HEIGHT = 660;
