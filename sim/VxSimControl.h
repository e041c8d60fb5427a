// The stand-in library's control interface for tests and demonstrations. The utility never
// calls these. Tests resolve them from the loaded VxWLAPI.dll with VxSimControl::Bind().
#pragma once

#include "device/VxWLAPI.h"

#include <windows.h>

extern "C" {
typedef int(VXWLAPI_CALL* PFN_VxSim_Reset)(const char* scenarioPath);
typedef void(VXWLAPI_CALL* PFN_VxSim_SetWinOS)(int code);
typedef void(VXWLAPI_CALL* PFN_VxSim_SetUserAdmin)(int admin);
typedef int(VXWLAPI_CALL* PFN_VxSim_GetCallLog)(char* buffer, int size);
typedef void(VXWLAPI_CALL* PFN_VxSim_ClearCallLog)(void);
}

struct VxSimControl {
    // Resets the world to the scenario file, or to the built-in world when null. 1 on success.
    PFN_VxSim_Reset Reset = nullptr;
    PFN_VxSim_SetWinOS SetWinOS = nullptr;
    PFN_VxSim_SetUserAdmin SetUserAdmin = nullptr;
    // Copies the call log (one line per call) and returns its full length.
    PFN_VxSim_GetCallLog GetCallLog = nullptr;
    PFN_VxSim_ClearCallLog ClearCallLog = nullptr;

    bool Bind(HMODULE hLib)
    {
        auto get = [hLib](const char* name) { return reinterpret_cast<void*>(::GetProcAddress(hLib, name)); };
        Reset = reinterpret_cast<PFN_VxSim_Reset>(get("VxSim_Reset"));
        SetWinOS = reinterpret_cast<PFN_VxSim_SetWinOS>(get("VxSim_SetWinOS"));
        SetUserAdmin = reinterpret_cast<PFN_VxSim_SetUserAdmin>(get("VxSim_SetUserAdmin"));
        GetCallLog = reinterpret_cast<PFN_VxSim_GetCallLog>(get("VxSim_GetCallLog"));
        ClearCallLog = reinterpret_cast<PFN_VxSim_ClearCallLog>(get("VxSim_ClearCallLog"));
        return Reset && SetWinOS && SetUserAdmin && GetCallLog && ClearCallLog;
    }
};
