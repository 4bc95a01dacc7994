#include "platform/win32/Win32RandomSource.h"

#include "platform/win32/Win32Sdk.h"

std::uint32_t CWin32RandomSource::NextSeed() {
    ULONG nSeed = 0;
    if (RtlGenRandom(&nSeed, sizeof nSeed)) {
        return nSeed;
    }
    // Should the generator ever fail, a seed that still differs from call to call keeps the random
    // delay random, if no longer unpredictable.
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    return static_cast<std::uint32_t>(counter.QuadPart) ^ static_cast<std::uint32_t>(counter.QuadPart >> 32) ^
           (::GetCurrentProcessId() << 16) ^ ::GetCurrentThreadId();
}
