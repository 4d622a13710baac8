#include "app/command_line.h"

namespace marilo {

namespace {

constexpr const wchar_t* kUsage = L"usage: Marilo.exe [--save-graph FILE.png | --save-month FILE.png [YYYY-MM]]";

ProgramArguments refuse(const std::wstring& why) {
    ProgramArguments a;
    a.action = ProgramArguments::Action::Refuse;
    a.error = why + L"\n" + kUsage;
    return a;
}

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

ProgramArguments saveMonth(const std::vector<std::wstring>& args) {
    if (args.size() < 2 || args[1].empty()) return refuse(L"--save-month needs the name of the file to write");
    if (args.size() > 3) return refuse(L"unexpected argument after --save-month FILE YYYY-MM: " + args[3]);
    ProgramArguments a;
    a.action = ProgramArguments::Action::SaveMonth;
    a.file = args[1];
    if (args.size() == 3 && !parseMonth(args[2], a.year, a.month))
        return refuse(L"--save-month: '" + args[2] + L"' is not a month of the form YYYY-MM");
    return a;
}

}  // namespace

ProgramArguments parseProgramArguments(const std::vector<std::wstring>& args) {
    if (args.empty()) return {};
    if (args[0] == L"--save-month") return saveMonth(args);
    if (args[0] != L"--save-graph") return refuse(L"unknown argument: " + args[0]);
    if (args.size() < 2 || args[1].empty()) return refuse(L"--save-graph needs the name of the file to write");
    if (args.size() > 2) return refuse(L"unexpected argument after --save-graph FILE: " + args[2]);
    ProgramArguments a;
    a.action = ProgramArguments::Action::SaveGraph;
    a.file = args[1];
    return a;
}

}  // namespace marilo
