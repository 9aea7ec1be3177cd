#include "bench/BenchTable.h"

#include <cmath>
#include <cstdio>

BenchTable& BenchTable::instance()
{
    static BenchTable table;
    return table;
}

double BenchTable::value(const std::string& name) const
{
    const auto it = m_values.find(name);
    return it == m_values.end() ? std::nan("") : it->second;
}

namespace {

std::string formatted(double v, const std::string& unit)
{
    if (std::isnan(v))
        return "—";
    char text[64];
    if (v >= 100)
        std::snprintf(text, sizeof text, "%.0f %s", v, unit.c_str());
    else if (v >= 1)
        std::snprintf(text, sizeof text, "%.2f %s", v, unit.c_str());
    else
        std::snprintf(text, sizeof text, "%.3f %s", v, unit.c_str());
    return text;
}

// Pads by characters, not bytes: the figures carry Cyrillic and dashes.
std::string padded(const std::string& s, std::size_t width)
{
    std::size_t chars = 0;
    for (unsigned char c : s)
        chars += (c & 0xC0) != 0x80;
    return chars >= width ? s : s + std::string(width - chars, ' ');
}

} // namespace

int BenchTable::print() const
{
    int missed = 0;
    const auto line = [](const std::string& a, const std::string& b, const std::string& c, const std::string& d,
                         const std::string& e, const std::string& f) {
        std::printf("%s %s %s %s %s %s\n", padded(a, 52).c_str(), padded(b, 11).c_str(), padded(c, 11).c_str(),
                    padded(d, 7).c_str(), padded(e, 10).c_str(), f.c_str());
    };
    std::printf("\n");
    line("Figure", "ours", "baseline", "ratio", "aim", "");
    line(std::string(52, '-'), std::string(11, '-'), std::string(11, '-'), std::string(7, '-'), std::string(10, '-'),
         "----");
    for (const BenchRow& row : m_rows) {
        const double ours = value(row.ours);
        const double base = row.baseline.empty() ? std::nan("") : value(row.baseline);
        const double ratio = ours / base;
        std::string ratioText = "—";
        if (!std::isnan(ratio)) {
            char text[32];
            std::snprintf(text, sizeof text, "%.2f", ratio);
            ratioText = text;
        }
        std::string aim = "—";
        bool met = true;
        char text[64];
        if (row.ratioAim > 0) {
            std::snprintf(text, sizeof text, "< %.1f", row.ratioAim);
            aim = text;
            met = !std::isnan(ratio) && ratio < row.ratioAim;
        } else if (row.absoluteAim > 0) {
            std::snprintf(text, sizeof text, "< %g %s", row.absoluteAim, row.unit.c_str());
            aim = text;
            met = !std::isnan(ours) && ours < row.absoluteAim;
        }
        const bool hasAim = row.ratioAim > 0 || row.absoluteAim > 0;
        if (!met)
            ++missed;
        line(row.figure, formatted(ours, row.unit), formatted(base, row.unit), ratioText, aim,
             hasAim ? (met ? "met" : "MISSED") : "");
    }
    std::printf("\n%d aim(s) missed.\n", missed);
    std::fflush(stdout);
    return missed;
}

void MedianCollector::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.error_occurred) {
            std::fprintf(stderr, "bench: %s skipped: %s\n", run.benchmark_name().c_str(), run.error_message.c_str());
            continue;
        }
        if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
            continue;
        // Every benchmark reports in milliseconds (see withMedian).
        const double ms = run.GetAdjustedRealTime();
        BenchTable::instance().record(run.run_name.function_name, ms);
        std::fprintf(stderr, "bench: %-40s median %10.3f ms\n", run.run_name.function_name.c_str(), ms);
    }
}

benchmark::internal::Benchmark* withMedian(benchmark::internal::Benchmark* b, int repetitions, int iterations)
{
    b->Unit(benchmark::kMillisecond)->Repetitions(repetitions)->ReportAggregatesOnly(true)->UseRealTime();
    // Slow figures run a fixed number of times; the rest as often as a tenth
    // of a second allows, per repetition.
    return iterations > 0 ? b->Iterations(iterations) : b->MinTime(0.1);
}
