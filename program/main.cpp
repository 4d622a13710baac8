// Entry point of Marilo.exe.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "program/save_graph.h"
#include "program/save_month.h"
#include "program/tray_app.h"
#include "calendar/clock.h"
#include "platform/accessible.h"
#include "platform/text.h"

namespace {

// A testing aid: MARILO_NOW=YYYY-MM-DDTHH:MM starts the program's clock at
// that local time, from which it runs on in real time. A malformed value is
// reported once to the debugger and otherwise ignored.
void startClockFromEnvironment() {
    wchar_t value[64];
    const DWORD n = GetEnvironmentVariableW(L"MARILO_NOW", value, 64);
    if (n == 0) return;
    if (n < 64 && marilo::startClockFrom(marilo::narrow(value))) return;
    OutputDebugStringW(L"Marilo: MARILO_NOW is not a local time of the form YYYY-MM-DDTHH:MM; "
                       L"the system clock is used\n");
}

std::vector<std::wstring> programArguments() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv[i]);
    if (argv) LocalFree(argv);
    return args;
}

// One line for whoever started the program from a command line: on its
// standard error, or on the console it was started from; UTF-8 unless it is
// a console.
void tellCaller(const std::wstring& line) {
    const std::wstring text = line + L"\n";
    OutputDebugStringW(text.c_str());
    HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
    HANDLE console = nullptr;
    if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        out = console;
    }
    if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
    } else {
        const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                          nullptr, nullptr);
        std::string utf8(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), n, nullptr,
                            nullptr);
        WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    }
    if (console && console != INVALID_HANDLE_VALUE) CloseHandle(console);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    startClockFromEnvironment();
    const marilo::ProgramArguments args = marilo::parseProgramArguments(programArguments());
    switch (args.action) {
        case marilo::ProgramArguments::Action::Refuse: tellCaller(L"Marilo: " + args.error); return 2;
        case marilo::ProgramArguments::Action::SaveGraph: {
            const std::string error = marilo::saveGraphPng(args.file, args.dpi, args.days);
            if (error.empty()) return 0;
            tellCaller(L"Marilo: cannot save the graph to " + args.file + L": " + marilo::widen(error));
            return 1;
        }
        case marilo::ProgramArguments::Action::SaveMonth: {
            const std::string error = marilo::saveMonthPng(args.file, args.year, args.month);
            if (error.empty()) return 0;
            tellCaller(L"Marilo: cannot save the month to " + args.file + L": " + marilo::widen(error));
            return 1;
        }
        case marilo::ProgramArguments::Action::RunResident: break;
    }
    // The accessible objects of the month and graph windows go out through COM.
    const marilo::ComApartment com;
    marilo::CTrayApp app;
    app.InitInstance();
    return app.ExitInstance();
}
