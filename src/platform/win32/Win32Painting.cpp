#include "platform/win32/Win32Painting.h"

#include <windows.h>

#include "platform/win32/Win32Handles.h"

struct CWin32Painting::PaintCycle {
    PAINTSTRUCT paint{};
};

CWin32Painting::CWin32Painting() = default;

CWin32Painting::~CWin32Painting() = default;

DeviceContext CWin32Painting::BeginPaint(WindowHandle window) {
    auto cycle = std::make_unique<PaintCycle>();
    const HDC dc = ::BeginPaint(ToHandle<HWND>(window), &cycle->paint);
    m_paintCycles[window] = std::move(cycle);
    return FromHandle(dc);
}

void CWin32Painting::EndPaint(WindowHandle window) {
    const auto found = m_paintCycles.find(window);
    if (found == m_paintCycles.end()) {
        return;
    }
    ::EndPaint(ToHandle<HWND>(window), &found->second->paint);
    m_paintCycles.erase(found);
}

bool CWin32Painting::DrawIcon(DeviceContext dc, int x, int y, IconHandle icon) {
    return ::DrawIcon(ToHandle<HDC>(dc), x, y, ToHandle<HICON>(icon)) != FALSE;
}

DeviceContext CWin32Painting::GetWindowDC(WindowHandle window) {
    return FromHandle(::GetWindowDC(ToHandle<HWND>(window)));
}

int CWin32Painting::ReleaseDC(WindowHandle window, DeviceContext dc) {
    return ::ReleaseDC(ToHandle<HWND>(window), ToHandle<HDC>(dc));
}

bool CWin32Painting::PatBlt(DeviceContext dc, int x, int y, int width, int height, std::uint32_t rop) {
    return ::PatBlt(ToHandle<HDC>(dc), x, y, width, height, rop) != FALSE;
}
