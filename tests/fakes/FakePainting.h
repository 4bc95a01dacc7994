#pragma once
// The drawing port as a record: every call is logged ("BeginPaint(0x1000)", "DrawIcon(0xD00, 10, 20,
// 0x10080)", "PatBlt(0xD00, 0, 0, 200, 3, 0x550009)", ...), and the device contexts handed out are
// tracked so that a test can tell a context that was never released or released twice.
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fakes/CallLog.h"
#include "ports/IPainting.h"

class FakePainting : public IPainting {
public:
    static constexpr DeviceContext FIRST_DC = 0x0D00;

    DeviceContext BeginPaint(WindowHandle window) override {
        m_log.Add(Call("BeginPaint", {Hex(window)}));
        return Open(window);
    }
    void EndPaint(WindowHandle window) override {
        m_log.Add(Call("EndPaint", {Hex(window)}));
        const auto found =
            std::find_if(m_open.begin(), m_open.end(), [&](const auto& dc) { return dc.second == window; });
        if (found != m_open.end()) {
            m_open.erase(found);
        } else {
            ++m_nInvalidUses;
        }
    }
    bool DrawIcon(DeviceContext dc, int x, int y, IconHandle icon) override {
        m_log.Add(Call("DrawIcon", {Hex(dc), std::to_string(x), std::to_string(y), Hex(icon)}));
        return CheckOpen(dc);
    }
    DeviceContext GetWindowDC(WindowHandle window) override {
        m_log.Add(Call("GetWindowDC", {Hex(window)}));
        return std::exchange(m_bFailNextWindowDC, false) ? 0 : Open(window);
    }
    int ReleaseDC(WindowHandle window, DeviceContext dc) override {
        m_log.Add(Call("ReleaseDC", {Hex(window), Hex(dc)}));
        const auto found = m_open.find(dc);
        if (found == m_open.end() || found->second != window) {
            ++m_nInvalidUses;
            return 0;
        }
        m_open.erase(found);
        return 1;
    }
    bool PatBlt(DeviceContext dc, int x, int y, int width, int height, std::uint32_t rop) override {
        m_log.Add(Call("PatBlt", {Hex(dc), std::to_string(x), std::to_string(y), std::to_string(width),
                                  std::to_string(height), Hex(rop)}));
        return CheckOpen(dc);
    }
    // Returns m_capture, empty (failed) unless the test sets it.
    std::vector<std::uint8_t> CaptureWindow(WindowHandle window) override {
        m_log.Add(Call("CaptureWindow", {Hex(window)}));
        return m_capture;
    }

    std::vector<std::uint8_t> m_capture;

    // The next GetWindowDC fails (returns 0), as it does for a window that is gone.
    void FailNextWindowDC() { m_bFailNextWindowDC = true; }

    // Contexts handed out and not released yet.
    std::size_t OpenDCCount() const { return m_open.size(); }
    // A context used that is not open, or released with the wrong window.
    int InvalidDCUses() const { return m_nInvalidUses; }
    CCallLog& Log() { return m_log; }

private:
    DeviceContext Open(WindowHandle window) {
        m_open[m_nextDC] = window;
        return m_nextDC++;
    }
    // A use of a context that is not open counts as invalid.
    bool CheckOpen(DeviceContext dc) {
        m_nInvalidUses += m_open.count(dc) == 0 ? 1 : 0;
        return m_open.count(dc) != 0;
    }

    std::map<DeviceContext, WindowHandle> m_open;
    DeviceContext m_nextDC = FIRST_DC;
    bool m_bFailNextWindowDC = false;
    int m_nInvalidUses = 0;
    CCallLog m_log;
};
