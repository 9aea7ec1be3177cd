// Start-up time and peak memory, measured from outside: each program is
// started in the bench copy of the application folder, after warm-up runs, and
// its wall time and the peak resident size reported by wait4 are kept.
#include "bench/BenchTable.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct StartRun {
    double ms = 0;
    double peakMb = 0;
    bool ok = false;
};

StartRun startOnce(const std::string& dir, const std::string& program)
{
    StartRun run;
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return run;
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0)
            _exit(127);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, 1);
            dup2(null, 2);
        }
        const std::string path = dir + "/" + program;
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    // A start that hangs (a message box waiting for a click) must not stall the
    // whole report: after half a minute the child is killed and the run fails.
    pid_t done = 0;
    while ((done = wait4(pid, &status, WNOHANG, &usage)) == 0) {
        if (std::chrono::steady_clock::now() - begin > std::chrono::seconds(30)) {
            kill(pid, SIGKILL);
            done = wait4(pid, &status, 0, &usage);
            break;
        }
        usleep(200);
    }
    if (done != pid)
        return run;
    run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs a program `runs` times after `warmups` and records its median figures;
// false when any run failed.
bool measure(const std::string& name, const std::string& program, int warmups, int runs)
{
    const std::string dir = TALV_BENCH_APP_DIR;
    for (int i = 0; i < warmups; ++i)
        startOnce(dir, program);
    std::vector<double> times;
    std::vector<double> peaks;
    for (int i = 0; i < runs; ++i) {
        const StartRun run = startOnce(dir, program);
        if (!run.ok) {
            std::fprintf(stderr, "bench: %s did not start cleanly\n", program.c_str());
            return false;
        }
        times.push_back(run.ms);
        peaks.push_back(run.peakMb);
    }
    BenchTable& t = BenchTable::instance();
    t.record(name, median(times));
    t.record(name + "Rss", median(peaks));
    std::fprintf(stderr, "bench: %-40s median %10.3f ms, peak %.1f MB\n", name.c_str(), median(times),
                 median(peaks));
    return true;
}

} // namespace

void registerStartupRows()
{
    BenchTable& t = BenchTable::instance();
    t.addRow({"Start-up to first idle vs minimal Qt main window", "StartNavigator", "StartMinimalWindow", 2.0, 0});
    BenchRow rss{"Peak RSS of the start-up (baseline: minimal window)", "StartNavigatorRss", "StartMinimalWindowRss",
                 0, 100};
    rss.unit = "MB";
    t.addRow(rss);
}

void measureStartup()
{
    measure("StartMinimalWindow", "talv_start_baseline", 2, 10);
    measure("StartNavigator", "talv_start_harness", 2, 10);
}
