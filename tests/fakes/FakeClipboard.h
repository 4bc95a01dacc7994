#pragma once
// The clipboard as one picture slot with a sequence number that counts every change.
#include <cstdint>
#include <vector>

#include "ports/IClipboard.h"

// The header of a packed DIB of that size (the pixel rows left out: only the size is ever read).
inline std::vector<std::uint8_t> FakeDib(std::int32_t width, std::int32_t height) {
    std::vector<std::uint8_t> dib(40, 0);
    const std::int32_t fields[] = {40, width, height};
    for (std::size_t byte = 0; byte < sizeof fields; ++byte) {
        dib[byte] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(fields[byte / 4]) >> (8 * (byte % 4)));
    }
    return dib;
}

class FakeClipboard : public IClipboard {
public:
    std::uint32_t GetClipboardSequenceNumber() override { return m_nSequence; }
    std::vector<std::uint8_t> GetDib(WindowHandle) override { return m_dib; }
    bool SetDib(WindowHandle, const std::vector<std::uint8_t>& dib) override {
        ++m_nSetDibCalls;
        if (!m_bRefuse) {
            Put(dib);
        }
        return !m_bRefuse;
    }

    // What the system or another program places there.
    void Put(const std::vector<std::uint8_t>& dib) {
        m_dib = dib;
        ++m_nSequence;
    }

    std::vector<std::uint8_t> m_dib;
    std::uint32_t m_nSequence = 1;
    int m_nSetDibCalls = 0;
    bool m_bRefuse = false; // another program holds the clipboard open
};
