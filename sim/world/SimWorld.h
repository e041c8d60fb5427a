// The simulated adapter's world: what the stand-in device library reports and remembers.
// Portable; the export layer (VxWLAPI.cpp) turns calls into operations on it.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct SimScenario {
    int winOs = 12;        // operating-system code reported by VXWL_GetWinOS
    bool admin = true;     // VXWL_DetectUserAdmin

    // Reads a scenario file's text; keys that are missing keep the built-in defaults.
    static SimScenario FromIni(const std::string& text);
};

class SimWorld {
public:
    void Reset(const SimScenario& scenario);

    // Session
    void Initial(const std::string& appName, std::uintptr_t controllerWindow);
    void DeInitial();
    bool IsInitialised() const;
    std::uintptr_t ControllerWindow() const;

    // Environment
    int WinOS() const;
    void SetWinOS(int code);
    bool IsAdmin() const;
    void SetAdmin(bool admin);

    // Every entry point call is logged as one line, for tests.
    void LogCall(const std::string& line);
    std::string CallLog() const;
    void ClearCallLog();

private:
    mutable std::mutex m_lock;
    SimScenario m_scenario;
    bool m_initialised = false;
    std::string m_appName;
    std::uintptr_t m_controller = 0;
    std::vector<std::string> m_calls;
};
