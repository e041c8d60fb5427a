// Bounded message pumps for tests: they never wait longer than told.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches this thread's messages for the given time.
void PumpMessages(DWORD milliseconds);
// Dispatches messages until `done` returns true or the time is up; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
