#include "app/Trace.h"

#include "framework/VxString.h"

#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <thread>

#ifdef _WIN32
extern "C" __declspec(dllimport) void __stdcall OutputDebugStringA(const char* text);
#endif

namespace {

std::atomic<int> g_level{0};
std::atomic<VxTraceSink> g_sink{nullptr};

void DefaultSink(const char* text)
{
#ifdef _WIN32
    OutputDebugStringA(text);
#else
    std::fputs(text, stderr);
#endif
}

void Write(const char* fmt, va_list args)
{
    if (g_level.load() == 0)
        return;
    char buf[512];
    VxVFormatBuf(buf, sizeof buf, fmt, args);
    VxTraceSink sink = g_sink.load();
    (sink ? sink : DefaultSink)(buf);
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 255;
}

} // namespace

void VxSetTraceLevel(int level) { g_level.store(level); }
int VxGetTraceLevel() { return g_level.load(); }
void VxSetTraceSink(VxTraceSink sink) { g_sink.store(sink); }

void VxTrace(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    Write(fmt, args);
    va_end(args);
}

void VxTraceLevel(int level, const char* fmt, ...)
{
    if (g_level.load() < level)
        return;
    va_list args;
    va_start(args, fmt);
    Write(fmt, args);
    va_end(args);
}

void DelayTime(unsigned int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void VxHexTextToBytes(const char* text, unsigned char* bytes, int count)
{
    if (!bytes || count <= 0)
        return;
    const size_t len = text ? std::strlen(text) : 0;
    auto at = [&](size_t i) { return i < len ? HexValue(text[i]) : 255; };
    for (int i = 0; i < count; ++i) {
        const size_t k = 2 * static_cast<size_t>(i);
        bytes[i] = static_cast<unsigned char>((16 * at(k) + at(k + 1)) % 256);
    }
}
