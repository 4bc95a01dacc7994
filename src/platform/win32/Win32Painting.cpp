#include "platform/win32/Win32Painting.h"

#include <windows.h>

struct Win32Painting::PaintCycle {
    PAINTSTRUCT paint{};
};

namespace {

template <typename Handle> Handle ToHandle(std::uint32_t handle) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(handle));
}

template <typename Handle> std::uint32_t FromHandle(Handle handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

} // namespace

Win32Painting::Win32Painting() = default;

Win32Painting::~Win32Painting() = default;

DeviceContext Win32Painting::BeginPaint(WindowHandle window) {
    auto cycle = std::make_unique<PaintCycle>();
    const HDC dc = ::BeginPaint(ToHandle<HWND>(window), &cycle->paint);
    m_paintCycles[window] = std::move(cycle);
    return FromHandle(dc);
}

void Win32Painting::EndPaint(WindowHandle window) {
    const auto found = m_paintCycles.find(window);
    if (found == m_paintCycles.end()) {
        return;
    }
    ::EndPaint(ToHandle<HWND>(window), &found->second->paint);
    m_paintCycles.erase(found);
}

bool Win32Painting::DrawIcon(DeviceContext dc, int x, int y, IconHandle icon) {
    return ::DrawIcon(ToHandle<HDC>(dc), x, y, ToHandle<HICON>(icon)) != FALSE;
}

DeviceContext Win32Painting::GetWindowDC(WindowHandle window) {
    return FromHandle(::GetWindowDC(ToHandle<HWND>(window)));
}

int Win32Painting::ReleaseDC(WindowHandle window, DeviceContext dc) {
    return ::ReleaseDC(ToHandle<HWND>(window), ToHandle<HDC>(dc));
}

bool Win32Painting::PatBlt(DeviceContext dc, int x, int y, int width, int height, std::uint32_t rop) {
    return ::PatBlt(ToHandle<HDC>(dc), x, y, width, height, rop) != FALSE;
}
