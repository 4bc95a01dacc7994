#pragma once
// The drawing port as a record: every call is logged, and the device contexts handed out are
// tracked so that a test can tell a context that was never released or released twice.
#include <cstdint>
#include <map>
#include <vector>

#include "fakes/CallLog.h"
#include "ports/IPainting.h"

class FakePainting : public IPainting {
public:
    static constexpr DeviceContext kFirstDC = 0x0D00;

    // "BeginPaint(0x1000)" / "EndPaint(0x1000)"
    DeviceContext BeginPaint(WindowHandle window) override;
    void EndPaint(WindowHandle window) override;
    // "DrawIcon(0xD00, 10, 20, 0x10080)"
    bool DrawIcon(DeviceContext dc, int x, int y, IconHandle icon) override;
    // "GetWindowDC(0x1000)" / "ReleaseDC(0x1000, 0xD00)"
    DeviceContext GetWindowDC(WindowHandle window) override;
    int ReleaseDC(WindowHandle window, DeviceContext dc) override;
    // "PatBlt(0xD00, 0, 0, 200, 3, 0x550009)"
    bool PatBlt(DeviceContext dc, int x, int y, int width, int height, std::uint32_t rop) override;
    // "CaptureWindow(0x1000)"; returns m_capture, empty (failed) unless the test sets it.
    std::vector<std::uint8_t> CaptureWindow(WindowHandle window) override;

    std::vector<std::uint8_t> m_capture;

    // The next GetWindowDC fails (returns 0), as it does for a window that is gone.
    void FailNextWindowDC() { m_bFailNextWindowDC = true; }

    // Contexts handed out and not released yet.
    std::size_t OpenDCCount() const { return m_open.size(); }
    // ReleaseDC or PatBlt with a context that is not open, or ReleaseDC with the wrong window.
    int InvalidDCUses() const { return m_nInvalidUses; }
    CCallLog& Log() { return m_log; }

private:
    DeviceContext Open(WindowHandle window);

    std::map<DeviceContext, WindowHandle> m_open;
    DeviceContext m_nextDC = kFirstDC;
    bool m_bFailNextWindowDC = false;
    int m_nInvalidUses = 0;
    CCallLog m_log;
};
