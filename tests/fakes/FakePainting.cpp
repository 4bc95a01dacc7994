#include "fakes/FakePainting.h"

#include <string>

DeviceContext FakePainting::Open(WindowHandle window) {
    const DeviceContext dc = m_nextDC++;
    m_open[dc] = window;
    return dc;
}

DeviceContext FakePainting::BeginPaint(WindowHandle window) {
    m_log.Add(Call("BeginPaint", {Hex(window)}));
    return Open(window);
}

void FakePainting::EndPaint(WindowHandle window) {
    m_log.Add(Call("EndPaint", {Hex(window)}));
    for (auto it = m_open.begin(); it != m_open.end(); ++it) {
        if (it->second == window) {
            m_open.erase(it);
            return;
        }
    }
    ++m_nInvalidUses;
}

bool FakePainting::DrawIcon(DeviceContext dc, int x, int y, IconHandle icon) {
    m_log.Add(Call("DrawIcon", {Hex(dc), std::to_string(x), std::to_string(y), Hex(icon)}));
    if (m_open.count(dc) == 0) {
        ++m_nInvalidUses;
        return false;
    }
    return true;
}

DeviceContext FakePainting::GetWindowDC(WindowHandle window) {
    m_log.Add(Call("GetWindowDC", {Hex(window)}));
    if (m_bFailNextWindowDC) {
        m_bFailNextWindowDC = false;
        return 0;
    }
    return Open(window);
}

int FakePainting::ReleaseDC(WindowHandle window, DeviceContext dc) {
    m_log.Add(Call("ReleaseDC", {Hex(window), Hex(dc)}));
    const auto found = m_open.find(dc);
    if (found == m_open.end() || found->second != window) {
        ++m_nInvalidUses;
        return 0;
    }
    m_open.erase(found);
    return 1;
}

bool FakePainting::PatBlt(DeviceContext dc, int x, int y, int width, int height, std::uint32_t rop) {
    m_log.Add(Call("PatBlt", {Hex(dc), std::to_string(x), std::to_string(y), std::to_string(width),
                              std::to_string(height), Hex(rop)}));
    if (m_open.count(dc) == 0) {
        ++m_nInvalidUses;
        return false;
    }
    return true;
}

std::vector<std::uint8_t> FakePainting::CaptureWindow(WindowHandle window) {
    m_log.Add(Call("CaptureWindow", {Hex(window)}));
    return m_capture;
}
