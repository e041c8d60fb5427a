// Collects the trace routine's output while in scope, at the given trace level.
#pragma once

#include <string>
#include <vector>

class TraceCapture {
public:
    explicit TraceCapture(int level = 1);
    ~TraceCapture();
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    std::vector<std::string> Lines() const;
    std::string Text() const;
    bool Contains(const std::string& fragment) const;
    void Clear();

private:
    int m_previousLevel;
};
