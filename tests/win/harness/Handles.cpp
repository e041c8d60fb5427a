#include "harness/Handles.h"

#include <windows.h>

int CountOpenHandles()
{
    int count = 0;
    DWORD flags = 0;
    for (ULONG_PTR h = 4; h < 0x10000; h += 4)
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags))
            ++count;
    return count;
}
