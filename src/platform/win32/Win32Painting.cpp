#include "platform/win32/Win32Painting.h"

#include <cstring>

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

std::vector<std::uint8_t> CWin32Painting::CaptureWindow(WindowHandle window) {
    const HWND hWnd = ToHwnd(window);
    RECT rect{};
    if (!::GetWindowRect(hWnd, &rect)) {
        return {};
    }
    const std::int64_t nWidth = std::int64_t{rect.right} - rect.left;
    const std::int64_t nHeight = std::int64_t{rect.bottom} - rect.top;
    const std::uint64_t nPixelBytes = DibPixelBytes(nWidth, nHeight);
    if (nPixelBytes == 0 || nPixelBytes > MAX_CAPTURE_BYTES) {
        return {};
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(nWidth);
    info.bmiHeader.biHeight = static_cast<LONG>(nHeight); // bottom-up rows, as CF_DIB usually holds them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(nPixelBytes);
    std::vector<std::uint8_t> dib(sizeof(BITMAPINFOHEADER) + static_cast<std::size_t>(nPixelBytes));

    // What the window shows on screen, frame included: it is the active window at this moment.
    const HDC hWindowDC = ::GetWindowDC(hWnd);
    const HDC hMemoryDC = ::CreateCompatibleDC(hWindowDC);
    const HBITMAP hBitmap =
        ::CreateCompatibleBitmap(hWindowDC, info.bmiHeader.biWidth, info.bmiHeader.biHeight);
    bool bCaptured = false;
    if (hWindowDC != nullptr && hMemoryDC != nullptr && hBitmap != nullptr) {
        const HGDIOBJ hPrevious = ::SelectObject(hMemoryDC, hBitmap);
        const bool bCopied = ::BitBlt(hMemoryDC, 0, 0, info.bmiHeader.biWidth, info.bmiHeader.biHeight,
                                      hWindowDC, 0, 0, SRCCOPY) != FALSE;
        ::SelectObject(hMemoryDC, hPrevious);
        // GetDIBits wants the bitmap out of every device context.
        bCaptured = bCopied && ::GetDIBits(hMemoryDC, hBitmap, 0, static_cast<UINT>(info.bmiHeader.biHeight),
                                           dib.data() + sizeof(BITMAPINFOHEADER), &info,
                                           DIB_RGB_COLORS) == info.bmiHeader.biHeight;
    }
    if (hBitmap != nullptr) {
        ::DeleteObject(hBitmap);
    }
    if (hMemoryDC != nullptr) {
        ::DeleteDC(hMemoryDC);
    }
    if (hWindowDC != nullptr) {
        ::ReleaseDC(hWnd, hWindowDC);
    }
    if (!bCaptured) {
        return {};
    }
    std::memcpy(dib.data(), &info.bmiHeader, sizeof(BITMAPINFOHEADER));
    return dib;
}
