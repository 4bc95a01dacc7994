#include "platform/win32/Win32Clipboard.h"

#include <cstring>

#include "platform/win32/Win32Handles.h"

std::uint32_t CWin32Clipboard::GetClipboardSequenceNumber() {
    return ::GetClipboardSequenceNumber();
}

std::vector<std::uint8_t> CWin32Clipboard::GetDib(WindowHandle owner) {
    std::vector<std::uint8_t> dib;
    if (!::OpenClipboard(ToHwnd(owner))) {
        return dib;
    }
    // The system converts a CF_BITMAP placed by Alt+Print Screen into CF_DIB on request.
    const HANDLE hData = ::GetClipboardData(CF_DIB);
    const void* pData = hData != nullptr ? ::GlobalLock(hData) : nullptr;
    if (pData != nullptr) {
        const auto* pBytes = static_cast<const std::uint8_t*>(pData);
        dib.assign(pBytes, pBytes + ::GlobalSize(hData));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return dib;
}

bool CWin32Clipboard::SetDib(WindowHandle owner, const std::vector<std::uint8_t>& dib) {
    const HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, dib.size());
    void* pData = hData != nullptr ? ::GlobalLock(hData) : nullptr;
    if (pData == nullptr) {
        if (hData != nullptr) {
            ::GlobalFree(hData);
        }
        return false;
    }
    std::memcpy(pData, dib.data(), dib.size());
    ::GlobalUnlock(hData);
    if (!::OpenClipboard(ToHwnd(owner))) {
        ::GlobalFree(hData);
        return false;
    }
    // Once SetClipboardData has taken the memory it belongs to the system.
    const bool bPlaced = ::EmptyClipboard() && ::SetClipboardData(CF_DIB, hData) != nullptr;
    if (!bPlaced) {
        ::GlobalFree(hData);
    }
    ::CloseClipboard();
    return bPlaced;
}
