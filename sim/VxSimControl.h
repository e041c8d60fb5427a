// The stand-in library's control interface for tests and demonstrations. The utility never
// calls these. Tests resolve them from the loaded VxWLAPI.dll with VxSimControl::Bind().
#pragma once

#include "device/VxWLAPI.h"

#include <windows.h>

extern "C" {
// Resets the world to the scenario file, or to the built-in world when null; clears the
// stored settings, the call log and injected failures, and returns to the real clock.
typedef int(VXWLAPI_CALL* PFN_VxSim_Reset)(const char* scenarioPath);
typedef void(VXWLAPI_CALL* PFN_VxSim_SetWinOS)(int code);
typedef void(VXWLAPI_CALL* PFN_VxSim_SetUserAdmin)(int admin);
// Copies the call log (one entry point name per line) and returns its full length.
typedef int(VXWLAPI_CALL* PFN_VxSim_GetCallLog)(char* buffer, int size);
typedef void(VXWLAPI_CALL* PFN_VxSim_ClearCallLog)(void);
// A scenario value by its file name, e.g. ("System.WinOS", "8"), ("Timing.ScanMs", "200").
// Driver values take effect at once: Adapter.InitPolls, Adapter.DriverOpMode, Adapter.HwRadio,
// System.SSOAvailable; ("Adapter.WpsButton", "1") presses the adapter's own push button.
typedef int(VXWLAPI_CALL* PFN_VxSim_SetOption)(const char* name, const char* value);
typedef int(VXWLAPI_CALL* PFN_VxSim_SetAdapterPresent)(int index, int present);
typedef void(VXWLAPI_CALL* PFN_VxSim_SetHardwareRadio)(int on);
// A network given as "key=value" lines, with the keys of a [NetworkN] scenario section.
typedef int(VXWLAPI_CALL* PFN_VxSim_AddNetwork)(const char* definition);
typedef int(VXWLAPI_CALL* PFN_VxSim_RemoveNetwork)(const char* bssid);
// Keys: Rssi, Key, SSID, Channel, WpsButton (the access point's push button, 1 / 0).
typedef int(VXWLAPI_CALL* PFN_VxSim_SetNetworkValue)(const char* bssid, const char* key, const char* value);
// The next call of the named entry point returns `result` and does nothing else.
typedef void(VXWLAPI_CALL* PFN_VxSim_FailNextCall)(const char* entryPoint, int result);
// A manual clock moves only with VxSim_AdvanceClock, which returns once every event that
// fell due has been delivered (callbacks run on the library's thread meanwhile).
typedef void(VXWLAPI_CALL* PFN_VxSim_SetManualClock)(int manual);
typedef void(VXWLAPI_CALL* PFN_VxSim_AdvanceClock)(unsigned int ms);
}

struct VxSimControl {
    PFN_VxSim_Reset Reset = nullptr;
    PFN_VxSim_SetWinOS SetWinOS = nullptr;
    PFN_VxSim_SetUserAdmin SetUserAdmin = nullptr;
    PFN_VxSim_GetCallLog GetCallLog = nullptr;
    PFN_VxSim_ClearCallLog ClearCallLog = nullptr;
    PFN_VxSim_SetOption SetOption = nullptr;
    PFN_VxSim_SetAdapterPresent SetAdapterPresent = nullptr;
    PFN_VxSim_SetHardwareRadio SetHardwareRadio = nullptr;
    PFN_VxSim_AddNetwork AddNetwork = nullptr;
    PFN_VxSim_RemoveNetwork RemoveNetwork = nullptr;
    PFN_VxSim_SetNetworkValue SetNetworkValue = nullptr;
    PFN_VxSim_FailNextCall FailNextCall = nullptr;
    PFN_VxSim_SetManualClock SetManualClock = nullptr;
    PFN_VxSim_AdvanceClock AdvanceClock = nullptr;

    bool Bind(HMODULE hLib)
    {
        auto get = [hLib](const char* name) { return reinterpret_cast<void*>(::GetProcAddress(hLib, name)); };
        Reset = reinterpret_cast<PFN_VxSim_Reset>(get("VxSim_Reset"));
        SetWinOS = reinterpret_cast<PFN_VxSim_SetWinOS>(get("VxSim_SetWinOS"));
        SetUserAdmin = reinterpret_cast<PFN_VxSim_SetUserAdmin>(get("VxSim_SetUserAdmin"));
        GetCallLog = reinterpret_cast<PFN_VxSim_GetCallLog>(get("VxSim_GetCallLog"));
        ClearCallLog = reinterpret_cast<PFN_VxSim_ClearCallLog>(get("VxSim_ClearCallLog"));
        SetOption = reinterpret_cast<PFN_VxSim_SetOption>(get("VxSim_SetOption"));
        SetAdapterPresent = reinterpret_cast<PFN_VxSim_SetAdapterPresent>(get("VxSim_SetAdapterPresent"));
        SetHardwareRadio = reinterpret_cast<PFN_VxSim_SetHardwareRadio>(get("VxSim_SetHardwareRadio"));
        AddNetwork = reinterpret_cast<PFN_VxSim_AddNetwork>(get("VxSim_AddNetwork"));
        RemoveNetwork = reinterpret_cast<PFN_VxSim_RemoveNetwork>(get("VxSim_RemoveNetwork"));
        SetNetworkValue = reinterpret_cast<PFN_VxSim_SetNetworkValue>(get("VxSim_SetNetworkValue"));
        FailNextCall = reinterpret_cast<PFN_VxSim_FailNextCall>(get("VxSim_FailNextCall"));
        SetManualClock = reinterpret_cast<PFN_VxSim_SetManualClock>(get("VxSim_SetManualClock"));
        AdvanceClock = reinterpret_cast<PFN_VxSim_AdvanceClock>(get("VxSim_AdvanceClock"));
        return Reset && SetWinOS && SetUserAdmin && GetCallLog && ClearCallLog && SetOption && SetAdapterPresent &&
               SetHardwareRadio && AddNetwork && RemoveNetwork && SetNetworkValue && FailNextCall && SetManualClock &&
               AdvanceClock;
    }
};
