#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// The console report, then the figures that compare runs: for each timetable the median refresh
// over the median raw read, and for each benchmark run at school sizes 1 and 8 how its median
// grows per doubling of the school.
class BenchReport : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    void reportRefreshRatios();
    void reportGrowth();
    const double* median(const std::string& name) const;

    // Median real and CPU time by "function/args".
    std::map<std::string, double> m_medians;
    std::map<std::string, double> m_cpuMedians;
};
