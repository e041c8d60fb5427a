#include "world/SimWorld.h"

#include "world/SimIni.h"

SimScenario SimScenario::FromIni(const std::string& text)
{
    const SimIni ini = SimIni::Parse(text);
    SimScenario s;
    s.winOs = ini.GetInt("System", "WinOS", s.winOs);
    s.admin = ini.GetInt("System", "Admin", s.admin ? 1 : 0) != 0;
    return s;
}

void SimWorld::Reset(const SimScenario& scenario)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_scenario = scenario;
    m_initialised = false;
    m_appName.clear();
    m_controller = 0;
    m_calls.clear();
}

void SimWorld::Initial(const std::string& appName, std::uintptr_t controllerWindow)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_initialised = true;
    m_appName = appName;
    m_controller = controllerWindow;
}

void SimWorld::DeInitial()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_initialised = false;
    m_controller = 0;
}

bool SimWorld::IsInitialised() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_initialised;
}

std::uintptr_t SimWorld::ControllerWindow() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_controller;
}

int SimWorld::WinOS() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_scenario.winOs;
}

void SimWorld::SetWinOS(int code)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_scenario.winOs = code;
}

bool SimWorld::IsAdmin() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_scenario.admin;
}

void SimWorld::SetAdmin(bool admin)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_scenario.admin = admin;
}

void SimWorld::LogCall(const std::string& line)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_calls.push_back(line);
}

std::string SimWorld::CallLog() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    std::string out;
    for (const std::string& c : m_calls)
        out += c + "\n";
    return out;
}

void SimWorld::ClearCallLog()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_calls.clear();
}
