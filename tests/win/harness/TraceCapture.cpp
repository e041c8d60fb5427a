#include "harness/TraceCapture.h"

#include "app/Trace.h"

#include <mutex>

namespace {
std::mutex g_lock;
std::vector<std::string> g_lines;

void Sink(const char* text)
{
    std::lock_guard<std::mutex> lock(g_lock);
    g_lines.emplace_back(text);
}
} // namespace

TraceCapture::TraceCapture(int level) : m_previousLevel(VxGetTraceLevel())
{
    Clear();
    VxSetTraceSink(&Sink);
    VxSetTraceLevel(level);
}

TraceCapture::~TraceCapture()
{
    VxSetTraceSink(nullptr);
    VxSetTraceLevel(m_previousLevel);
}

std::vector<std::string> TraceCapture::Lines() const
{
    std::lock_guard<std::mutex> lock(g_lock);
    return g_lines;
}

std::string TraceCapture::Text() const
{
    std::string all;
    for (const std::string& line : Lines())
        all += line;
    return all;
}

bool TraceCapture::Contains(const std::string& fragment) const
{
    return Text().find(fragment) != std::string::npos;
}

void TraceCapture::Clear()
{
    std::lock_guard<std::mutex> lock(g_lock);
    g_lines.clear();
}
