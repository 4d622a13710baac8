// The benchmarks' main: the library's own, with one line less in its report.
//
// Debian builds libbenchmark as it builds every CMake package, with build
// type "None": optimised (-O2 from its build flags) but without NDEBUG, so
// the library keeps its internal checks and opens every report with
// "Library was built as DEBUG. Timings may be affected.". The timed loop,
// `for (auto _ : state)`, is inline in the library's header and so compiled
// with these benchmarks' own Release flags; the library's own code runs once
// per batch of iterations, outside it. The warning does not describe these
// figures, so the report leaves it out; everything else passes through as
// the flags (--benchmark_format and the rest) ask.

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

class WithoutBuildWarning : public benchmark::BenchmarkReporter {
public:
    explicit WithoutBuildWarning(benchmark::BenchmarkReporter* inner) : inner_(inner) {}

    bool ReportContext(const Context& context) override {
        std::ostream& err = inner_->GetErrorStream();
        std::ostringstream text;
        inner_->SetErrorStream(&text);
        const bool ok = inner_->ReportContext(context);
        inner_->SetErrorStream(&err);
        std::istringstream lines(text.str());
        for (std::string line; std::getline(lines, line);)
            if (line.find("Library was built as DEBUG") == std::string::npos) err << line << '\n';
        return ok;
    }
    void ReportRuns(const std::vector<Run>& runs) override { inner_->ReportRuns(runs); }
    void Finalize() override { inner_->Finalize(); }

private:
    std::unique_ptr<benchmark::BenchmarkReporter> inner_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    WithoutBuildWarning reporter(benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
