#pragma once
// Figures of Linux processes, read from /proc through Wine's Z: drive: the Wine and X servers have no
// Windows process, and Linux counts more than Wine passes on (time on a CPU to the nanosecond, how
// often a thread went to sleep). Wine opens files in its server, so /proc/self is the server, not
// the caller: every process is named by its Linux id.
#include <windows.h>

#include <string>

// Seconds the process has run on a CPU, all its threads together; negative when it cannot be read.
double UnixCpuSeconds(DWORD nPid);
// How often the process's threads gave up the CPU to wait (voluntary context switches): each such
// wait ended in a wake-up. All threads, or only the main one; negative when it cannot be read.
long long UnixWaits(DWORD nPid, bool bMainThreadOnly);
// The Linux id of the Wine process of this prefix that runs the program (its Windows path, compared
// without regard to case); 0 when there is none.
DWORD FindUnixProcess(const std::wstring& strProgramPath);
