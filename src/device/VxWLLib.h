// VXWLLIB: the binding of the device API library, with the configuration it reads.
#pragma once

#include "app/VxConfig.h"
#include "device/ScanRepository.h"
#include "device/VxWLAPI.h"

#include <windows.h>

#include <memory>
#include <string>

// The binding object also holds the configuration record, so its values read as
// VXWLAPI.nDebugMode, VXWLAPI.bTxRate and so on.
class VXWLLIB : public VXUI_CONFIG {
public:
    VXWLLIB() = default;
    ~VXWLLIB();
    VXWLLIB(const VXWLLIB&) = delete;
    VXWLLIB& operator=(const VXWLLIB&) = delete;

    // Loads VxWLAPI.dll from the folder of `programPath` (the running program when null),
    // resolves every entry point by name, reads the program's configuration file and creates
    // the scan repository. Returns FALSE when the library cannot be loaded; LibraryPath() is
    // set either way.
    BOOL Load(const char* programPath = nullptr);
    // Unloads the library and frees the scan repository.
    void Release();

    // Merges a fresh scan list (the caller's 64 KiB table) into the scan repository; the
    // caller's list becomes the merged list when the fresh one holds an entry.
    void MergeScanRepository(uint8_t* list);
    VxScanRepository* ScanRepository() { return m_pRepository.get(); }
    // The repository's clock (100-ns units); the system time by default.
    void SetRepositoryClock(VxScanRepository::Clock clock);

    // The selected adapter.
    VX_ADAPTER m_adapter{};

    bool IsLoaded() const { return m_hLib != nullptr; }
    const char* LibraryPath() const { return m_strLibPath.c_str(); }
    const char* ConfigPath() const { return m_strConfigPath.c_str(); }

    // Reads DebugMode again and applies it to the trace routine.
    void ReReadDebugMode();

    // One wrapper per entry point; an empty slot gives the entry's missing result.
#define VXWL_DECLARE_WRAPPER(ret, name, params, args, missing)                                 \
    ret name params const                                                                       \
    {                                                                                           \
        if (!m_pfn_##name)                                                                      \
            return MissingEntry(#name, missing);                                                \
        return m_pfn_##name args;                                                               \
    }                                                                                           \
    bool Has_##name() const { return m_pfn_##name != nullptr; }
    VXWL_ENTRY_POINTS(VXWL_DECLARE_WRAPPER)
#undef VXWL_DECLARE_WRAPPER

private:
    template <typename T>
    static T MissingEntry(const char* name, T result)
    {
        TraceMissing(name);
        return result;
    }
    static void TraceMissing(const char* name);
    void ResolveEntryPoints();
    void ReadConfiguration();
    VxIniReader ConfigReader() const;

    HMODULE m_hLib = nullptr;
    std::unique_ptr<VxScanRepository> m_pRepository;
    VxScanRepository::Clock m_repositoryClock;
    std::string m_strLibPath;
    std::string m_strConfigPath;

#define VXWL_DECLARE_SLOT(ret, name, params, args, missing) PFN_##name m_pfn_##name = nullptr;
    VXWL_ENTRY_POINTS(VXWL_DECLARE_SLOT)
#undef VXWL_DECLARE_SLOT
};

// The process-wide binding.
extern VXWLLIB VXWLAPI;
