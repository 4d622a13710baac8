// Fuzz target: Marilo.exe's command line (parseProgramArguments), wide
// arguments drawn from its options and from arbitrary UTF-16 units.
//
// Nothing given runs resident and anything given does not; a saved graph
// has a file and the dpi of a whole percentage from 100 to 400; a saved
// month has a file and no month or a month of years 1000..9999, given as
// written; a refusal names an argument given and ends with the usage.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "tests/fuzz/fuzz_check.h"

using namespace marilo;
using marilo::fuzz::check;

namespace {

const wchar_t* const kWords[] = {L"--save-graph", L"--save-month", L"--scale", L"graph.png",
                                 L"2024-12",      L"150",          L"400",     L"--"};

std::wstring anyText(FuzzedDataProvider& in) {
    std::wstring s(in.ConsumeIntegralInRange<size_t>(0, 12), L'\0');
    for (wchar_t& c : s) c = static_cast<wchar_t>(in.ConsumeIntegralInRange<uint16_t>(0, 0xFFFF));
    if (in.ConsumeBool())
        for (wchar_t& c : s) c = static_cast<wchar_t>(L'-' + static_cast<unsigned>(c) % 13);  // '-', '.', '/', digits
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using Action = ProgramArguments::Action;
    FuzzedDataProvider in(data, size);
    std::vector<std::wstring> args;
    const int n = in.ConsumeIntegralInRange<int>(0, 6);
    for (int k = 0; k < n && in.remaining_bytes() > 0; ++k) {
        if (in.ConsumeBool())
            args.push_back(kWords[in.ConsumeIntegralInRange<size_t>(0, std::size(kWords) - 1)]);
        else
            args.push_back(anyText(in));
    }

    const ProgramArguments a = parseProgramArguments(args);
    check((a.action == Action::RunResident) == args.empty(), "resident exactly when nothing is given");
    if (a.action == Action::Refuse) {
        check(!a.error.empty() && a.error.find(L"\nusage: Marilo.exe") != std::wstring::npos,
              "a refusal ends with the usage");
        const std::wstring why = a.error.substr(0, a.error.find(L"\nusage: "));
        bool named = false;
        for (const std::wstring& w : args)
            named = named || why.find(w.empty() ? L"(an empty argument)" : w) != std::wstring::npos;
        check(named, "a refusal names an argument given");
        return 0;
    }
    if (a.action == Action::RunResident) return 0;
    check(!a.file.empty(), "a file to write");
    if (a.action == Action::SaveGraph) {
        bool whole = false;
        for (int p = 100; p <= 400 && !whole; ++p) whole = a.dpi == (p * 96 + 50) / 100;
        check(whole, "the dpi of a percentage from 100 to 400");
        check(a.year == 0 && a.month == 0, "no month for a graph");
        return 0;
    }
    check(a.dpi == 96, "a month is drawn at 96 dpi");
    if (a.year == 0) {
        check(a.month == 0, "no month, no year");
        return 0;
    }
    check(a.year >= 1000 && a.year <= 9999 && a.month >= 1 && a.month <= 12, "a month of years 1000..9999");
    wchar_t written[8];
    std::swprintf(written, 8, L"%04d-%02d", a.year, a.month);
    bool given = false;
    for (const std::wstring& w : args) given = given || w == written;
    check(given, "the month as it was written");
    return 0;
}
