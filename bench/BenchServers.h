#pragma once
// The CPU time of the Wine server and the X server, which do their share of every press. The
// benchmark script names their Linux ids in BENCH_WINESERVER_PID and BENCH_XVFB_PID.
struct ServerCpu {
    double dWineserver = -1.0; // seconds; negative when it cannot be read
    double dXvfb = -1.0;
};

ServerCpu SampleServerCpu();
