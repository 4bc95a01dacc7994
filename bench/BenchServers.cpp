#include "BenchServers.h"

#include <windows.h>

#include <cstdlib>

#include "UnixProcesses.h"

namespace {
double CpuOfServerNamedIn(const char* pszVariable) {
    char szPid[32] = {};
    const DWORD nLength = GetEnvironmentVariableA(pszVariable, szPid, sizeof(szPid));
    if (nLength == 0 || nLength >= sizeof(szPid)) {
        return -1.0;
    }
    const unsigned long nPid = std::strtoul(szPid, nullptr, 10);
    return nPid ? UnixCpuSeconds(static_cast<DWORD>(nPid)) : -1.0;
}
} // namespace

ServerCpu SampleServerCpu() {
    ServerCpu cpu;
    cpu.dWineserver = CpuOfServerNamedIn("BENCH_WINESERVER_PID");
    cpu.dXvfb = CpuOfServerNamedIn("BENCH_XVFB_PID");
    return cpu;
}
