#include "app/Globals.h"

bool G_bHideTabIcon = false;
