// Record dumps at trace level 4: a head line, then one line per field in the record's order
// ("\tname = value"), sub-records one tab further in. Keys, passwords and PINs are printed
// as their length only.
#pragma once

#include "device/VxWLRecords.h"

void VxDumpWlanProfile(const WLANPROFILE& profile);
