#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// One line of the report: a figure of ours, the baseline it is held against
// (if any) and the aim it must meet. An aim is either a bound on the ratio of
// our median to the baseline's, or a bound on our median itself.
struct BenchRow {
    std::string figure;
    std::string ours;      // benchmark name, or a figure recorded by hand
    std::string baseline;  // empty where the aim is absolute
    double ratioAim = 0;   // our / baseline must stay below this (0: none)
    double absoluteAim = 0; // our median must stay below this (0: none)
    std::string unit = "ms";
};

// Collects the median of every benchmark run with repetitions, and any figure
// measured outside Google Benchmark, then prints the single table.
class BenchTable {
public:
    static BenchTable& instance();

    void addRow(BenchRow row) { m_rows.push_back(std::move(row)); }
    // A median measured by hand (in the row's unit), under the given name.
    void record(const std::string& name, double value) { m_values[name] = value; }
    bool has(const std::string& name) const { return m_values.count(name) != 0; }
    double value(const std::string& name) const;

    // Prints the table to stdout; returns the number of aims missed.
    int print() const;

private:
    std::vector<BenchRow> m_rows;
    std::map<std::string, double> m_values;
};

// Keeps the median aggregate of every benchmark in milliseconds and shows the
// progress on stderr, so that stdout carries nothing but the table.
class MedianCollector : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override;
};

// Registers a benchmark with the repetitions and median aggregate every row
// of the report uses.
benchmark::internal::Benchmark* withMedian(benchmark::internal::Benchmark* b, int repetitions = 15, int iterations = 0);
