#include "app/command_line.h"

#include "base/screen_scale.h"

namespace marilo {

namespace {

constexpr const wchar_t* kUsage =
    L"usage: Marilo.exe [--save-graph FILE.png | --save-month FILE.png [YYYY-MM]] [--scale PERCENT] [--days N]\n"
    L"  --scale draws the saved graph for a screen scaled to PERCENT (100 to 400; 100 when not given)\n"
    L"  --days  the saved graph over N days from today, 1 to 4 (1 when not given)";

ProgramArguments refuse(const std::wstring& why) {
    ProgramArguments a;
    a.action = ProgramArguments::Action::Refuse;
    a.error = why + L"\n" + kUsage;
    return a;
}

// An argument as a refusal shows it: an empty one (a blank parameter of a
// shortcut) would otherwise show as nothing at all.
std::wstring shown(const std::wstring& arg) { return arg.empty() ? L"(an empty argument)" : arg; }

// "YYYY-MM", years 1000..9999.
bool parseMonth(const std::wstring& text, int& year, int& month) {
    if (text.size() != 7 || text[4] != L'-') return false;
    int digits[6], n = 0;
    for (size_t k = 0; k < 7; ++k) {
        if (k == 4) continue;
        if (text[k] < L'0' || text[k] > L'9') return false;
        digits[n++] = text[k] - L'0';
    }
    year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    month = digits[4] * 10 + digits[5];
    return year >= 1000 && month >= 1 && month <= 12;
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
    using Action = ProgramArguments::Action;
    ProgramArguments a;
    bool scaleGiven = false, daysGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool graph = args[i] == L"--save-graph";
        if (graph || args[i] == L"--save-month") {
            if (a.action != Action::RunResident) {
                if ((a.action == Action::SaveGraph) == graph) return refuse(args[i] + L" is given twice");
                return refuse(L"--save-graph and --save-month cannot be given together");
            }
            if (i + 1 >= args.size() || args[i + 1].empty())
                return refuse(args[i] + L" needs the name of the file to write");
            a.action = graph ? Action::SaveGraph : Action::SaveMonth;
            a.file = args[++i];
            // The month, when one follows the file.
            if (!graph && i + 1 < args.size() && args[i + 1].rfind(L"--", 0) != 0) {
                ++i;
                if (!parseMonth(args[i], a.year, a.month))
                    return refuse(L"--save-month: '" + args[i] + L"' is not a month of the form YYYY-MM");
            }
        } else if (args[i] == L"--scale") {
            if (scaleGiven) return refuse(L"--scale is given twice");
            if (i + 1 >= args.size()) return refuse(L"--scale needs a percentage");
            const int percent = percentOf(args[++i]);
            if (percent == 0) return refuse(L"--scale takes a whole percentage from 100 to 400, not: " + shown(args[i]));
            a.dpi = dpiOfScalePercent(percent);
            scaleGiven = true;
        } else if (args[i] == L"--days") {
            if (daysGiven) return refuse(L"--days is given twice");
            if (i + 1 >= args.size()) return refuse(L"--days needs a number of days");
            const std::wstring& n = args[++i];
            if (n.size() != 1 || n[0] < L'1' || n[0] > L'4') return refuse(L"--days takes 1, 2, 3 or 4, not: " + shown(n));
            a.days = n[0] - L'0';
            daysGiven = true;
        } else if (a.action == Action::SaveGraph) {
            return refuse(L"unexpected argument after --save-graph FILE: " + shown(args[i]));
        } else if (a.action == Action::SaveMonth) {
            return refuse(L"unexpected argument after --save-month FILE YYYY-MM: " + shown(args[i]));
        } else {
            return refuse(L"unknown argument: " + shown(args[i]));
        }
    }
    if (scaleGiven && a.action != Action::SaveGraph) return refuse(L"--scale applies only with --save-graph");
    if (daysGiven && a.action != Action::SaveGraph) return refuse(L"--days applies only with --save-graph");
    return a;
}

}  // namespace marilo
