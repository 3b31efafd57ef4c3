#include "BenchReport.h"

#include <cmath>
#include <ostream>

namespace {

// Timed in CPU time: the work of one click, whatever else the machine does meanwhile.
const char* const GrowingBenchmarks[] = {"BM_StartUp", "BM_OpenAndCheckDatabase",
                                         "BM_UpdateSlotByTutorClick", "BM_FindClickWithoutMatch",
                                         "BM_SubjectReplaceOf40Cells"};

} // namespace

void BenchReport::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.aggregate_name != "median")
            continue;
        const std::string name = run.run_name.function_name + "/" + run.run_name.args;
        m_medians[name] = run.GetAdjustedRealTime();
        m_cpuMedians[name] = run.GetAdjustedCPUTime();
    }
}

void BenchReport::Finalize() {
    ConsoleReporter::Finalize();
    reportRefreshRatios();
    reportGrowth();
}

const double* BenchReport::median(const std::string& name) const {
    const auto found = m_medians.find(name);
    return found == m_medians.end() ? nullptr : &found->second;
}

void BenchReport::reportRefreshRatios() {
    for (const char* arg : {"0", "100", "170"}) {
        const double* refresh = median(std::string("BM_RefreshTable/") + arg);
        const double* read = median(std::string("BM_ReadTimetableRows/") + arg);
        if (!refresh || !read || *read <= 0)
            continue;
        GetOutputStream() << "refresh-to-raw ratio, timetable " << arg << ": " << *refresh / *read
                          << " (" << *refresh << " ms / " << *read << " ms)\n";
    }
}

void BenchReport::reportGrowth() {
    for (const char* benchmark : GrowingBenchmarks) {
        const std::string name(benchmark);
        const auto small = m_cpuMedians.find(name + "/size:1");
        const auto large = m_cpuMedians.find(name + "/size:8");
        if (small == m_cpuMedians.end() || large == m_cpuMedians.end() || small->second <= 0)
            continue;
        // Eight times the school is three doublings.
        GetOutputStream() << "growth per doubling of the school, " << name << ": "
                          << std::cbrt(large->second / small->second) << " (CPU " << small->second
                          << " ms at 1x, " << large->second << " ms at 8x; real "
                          << *median(name + "/size:1") << " ms, " << *median(name + "/size:8")
                          << " ms)\n";
    }
}
