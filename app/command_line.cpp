#include "app/command_line.h"

#include "base/screen_scale.h"

namespace marilo {

namespace {

constexpr const wchar_t* kUsage =
    L"usage: Marilo.exe [--save-graph FILE.png] [--scale PERCENT]\n"
    L"  --scale draws the saved graph for a screen scaled to PERCENT (100 to 400; 100 when not given)";

ProgramArguments refuse(const std::wstring& why) {
    ProgramArguments a;
    a.action = ProgramArguments::Action::Refuse;
    a.error = why + L"\n" + kUsage;
    return a;
}

// A whole percentage from 100 to 400, digits only; 0 for anything else.
int percentOf(const std::wstring& text) {
    if (text.empty() || text.size() > 3) return 0;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return 0;
        value = value * 10 + (c - L'0');
    }
    return value >= 100 && value <= 400 ? value : 0;
}

}  // namespace

int dpiOfScalePercent(int percent) { return (percent * kBaseDpi + 50) / 100; }

ProgramArguments parseProgramArguments(const std::vector<std::wstring>& args) {
    ProgramArguments a;
    bool scaleGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--save-graph") {
            if (a.action == ProgramArguments::Action::SaveGraph) return refuse(L"--save-graph is given twice");
            if (i + 1 >= args.size() || args[i + 1].empty())
                return refuse(L"--save-graph needs the name of the file to write");
            a.action = ProgramArguments::Action::SaveGraph;
            a.file = args[++i];
        } else if (args[i] == L"--scale") {
            if (scaleGiven) return refuse(L"--scale is given twice");
            if (i + 1 >= args.size()) return refuse(L"--scale needs a percentage");
            const int percent = percentOf(args[++i]);
            if (percent == 0) return refuse(L"--scale takes a whole percentage from 100 to 400, not: " + args[i]);
            a.dpi = dpiOfScalePercent(percent);
            scaleGiven = true;
        } else if (a.action == ProgramArguments::Action::SaveGraph) {
            return refuse(L"unexpected argument after --save-graph FILE: " + args[i]);
        } else {
            return refuse(L"unknown argument: " + args[i]);
        }
    }
    if (scaleGiven && a.action != ProgramArguments::Action::SaveGraph)
        return refuse(L"--scale applies only with --save-graph");
    return a;
}

}  // namespace marilo
