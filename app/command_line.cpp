#include "app/command_line.h"

namespace marilo {

namespace {

constexpr const wchar_t* kUsage = L"usage: Marilo.exe [--save-graph FILE.png]";

ProgramArguments refuse(const std::wstring& why) {
    ProgramArguments a;
    a.action = ProgramArguments::Action::Refuse;
    a.error = why + L"\n" + kUsage;
    return a;
}

}  // namespace

ProgramArguments parseProgramArguments(const std::vector<std::wstring>& args) {
    if (args.empty()) return {};
    if (args[0] != L"--save-graph") return refuse(L"unknown argument: " + args[0]);
    if (args.size() < 2 || args[1].empty()) return refuse(L"--save-graph needs the name of the file to write");
    if (args.size() > 2) return refuse(L"unexpected argument after --save-graph FILE: " + args[2]);
    ProgramArguments a;
    a.action = ProgramArguments::Action::SaveGraph;
    a.file = args[1];
    return a;
}

}  // namespace marilo
