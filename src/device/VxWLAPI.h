// The device API library VxWLAPI.dll: calling convention, result codes and entry points.
// Included by the utility (through the binding object VXWLLIB) and by the simulated library.
#pragma once

#include <windows.h>

// Every entry point and callback uses the Windows API convention.
#define VXWLAPI_CALL __stdcall

// Result codes (32-bit signed).
#define VXWL_ERROR_SUCCESS 1
#define VXWL_ERROR_BUFFER_TOO_SMALL (-10)
#define VXWL_ERROR_IMPORT_MANY_PROFILES (-14)
#define VXWL_ERROR_IMPORT_NO_PROFILE (-15)
#define VXWL_ERROR_DUPLICATE_PROFILE (-16)
// Returned by the binding, never by the library: the library does not export the entry point.
#define VXWL_ERROR_NOT_EXPORTED (-99)

// The entry points: X(return type, name, parameter list, argument list, result when missing).
// A missing entry point behaves as a failed call: a negative code, or 0 for the Is/Check/
// Detect questions, and output buffers are left untouched.
#define VXWL_ENTRY_POINTS(X)                                                                   \
    X(int, VXWL_Initial, (const char* appName, HWND hWnd), (appName, hWnd), VXWL_ERROR_NOT_EXPORTED) \
    X(int, VXWL_DeInitial, (void), (), VXWL_ERROR_NOT_EXPORTED)                                \
    X(int, VXWL_GetWinOS, (void), (), VXWL_ERROR_NOT_EXPORTED)                                 \
    X(int, VXWL_DetectUserAdmin, (void), (), 0)

#define VXWL_DECLARE_PFN(ret, name, params, args, missing) typedef ret(VXWLAPI_CALL* PFN_##name) params;
VXWL_ENTRY_POINTS(VXWL_DECLARE_PFN)
#undef VXWL_DECLARE_PFN

#ifdef VXWLAPI_EXPORTS
// The library's own definitions are checked against these declarations.
#define VXWL_DECLARE_EXPORT(ret, name, params, args, missing) extern "C" ret VXWLAPI_CALL name params;
VXWL_ENTRY_POINTS(VXWL_DECLARE_EXPORT)
#undef VXWL_DECLARE_EXPORT
#endif
