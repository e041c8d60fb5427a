// Record dumps at trace level 4: a head line, then one line per field in the record's order
// ("\tname = value"), sub-records one tab further in. Keys, passwords and PINs are printed
// as their length only.
#pragma once

#include "device/VxWLRecords.h"

void VxDumpWlanProfile(const WLANPROFILE& profile);
void VxDumpAdvanceConfigData(const ADVANCE_CONFIG_DATA& data);
void VxDumpAdvanceOid(const ADVANCE_OID& oid);
void VxDumpCcx2Control(const CCX2_CONTROL& control);
void VxDumpWpsMode(const WPS_MODE& mode);
void VxDumpWpsCredential(const WPS_CREDENTIAL& credential);
// Prints the credentials the count announces, at most the record's 8.
void VxDumpWpsProfile(const WPS_PROFILE& profile);
