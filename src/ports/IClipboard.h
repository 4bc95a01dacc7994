#pragma once
// The clipboard, for pictures only: a picture crosses as a packed device-independent bitmap, the
// bytes of CF_DIB (a BITMAPINFOHEADER followed by the pixel rows).
#include <cstdint>
#include <vector>

#include "ports/WinTypes.h"

class IClipboard {
public:
    virtual ~IClipboard() = default;

    // GetClipboardSequenceNumber: changes whenever the clipboard's contents change.
    virtual std::uint32_t GetClipboardSequenceNumber() = 0;
    // OpenClipboard(owner), a copy of GetClipboardData(CF_DIB), CloseClipboard; empty when the
    // clipboard holds no picture or cannot be opened.
    virtual std::vector<std::uint8_t> GetDib(WindowHandle owner) = 0;
    // OpenClipboard(owner), EmptyClipboard, SetClipboardData(CF_DIB, a copy of dib), CloseClipboard.
    virtual bool SetDib(WindowHandle owner, const std::vector<std::uint8_t>& dib) = 0;
};
