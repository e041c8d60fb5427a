// Memory whose address fits in 32 bits, for the records that carry a 32-bit pointer
// (VX_CERT_ENTRY::BlobAddress, VX_PAC_LIST_DESC::EntriesAddress). In the 32-bit build every
// address qualifies; in the 64-bit build the pages are reserved below 4 GB.
// Windows code (used by the utility and by the simulated library).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// Zero-filled memory below 4 GB, or null. Free it with VxLowFree.
inline void* VxLowAlloc(size_t size)
{
    if (size == 0 || size > 0x10000000)
        return nullptr;
#if defined(_WIN64)
    SYSTEM_INFO si;
    ::GetSystemInfo(&si);
    const uintptr_t granularity = si.dwAllocationGranularity ? si.dwAllocationGranularity : 0x10000;
    const uintptr_t limit = 0x100000000ull;
    // Walk the address space from 256 MB upwards until a free range takes the block.
    for (uintptr_t addr = 0x10000000; addr + size <= limit; addr += granularity) {
        MEMORY_BASIC_INFORMATION mbi;
        if (!::VirtualQuery(reinterpret_cast<void*>(addr), &mbi, sizeof mbi))
            break;
        const uintptr_t regionEnd = reinterpret_cast<uintptr_t>(mbi.BaseAddress) + mbi.RegionSize;
        if (mbi.State != MEM_FREE || regionEnd - addr < size) {
            // Continue at the next granularity boundary after this region.
            const uintptr_t next = (regionEnd + granularity - 1) / granularity * granularity;
            addr = (next > addr ? next : addr + granularity) - granularity;
            continue;
        }
        void* p = ::VirtualAlloc(reinterpret_cast<void*>(addr), size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (p && reinterpret_cast<uintptr_t>(p) + size <= limit)
            return p;
        if (p)
            ::VirtualFree(p, 0, MEM_RELEASE);
    }
    return nullptr;
#else
    return ::VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
#endif
}

inline void VxLowFree(void* p)
{
    if (p)
        ::VirtualFree(p, 0, MEM_RELEASE);
}
