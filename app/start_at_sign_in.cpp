#include "app/start_at_sign_in.h"

#include <cwctype>
#include <iterator>

namespace marilo {

namespace {

// The mark the start-up manager writes for an entry that is on.
constexpr uint8_t kApprovedMark[12] = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

std::wstring_view programOf(std::wstring_view commandLine) {
    while (!commandLine.empty() && (commandLine.front() == L' ' || commandLine.front() == L'\t'))
        commandLine.remove_prefix(1);
    if (!commandLine.empty() && commandLine.front() == L'"') {
        commandLine.remove_prefix(1);
        return commandLine.substr(0, commandLine.find(L'"'));
    }
    return commandLine.substr(0, commandLine.find_first_of(L" \t"));
}

bool samePath(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        wchar_t x = a[i], y = b[i];
        if (x == L'/') x = L'\\';
        if (y == L'/') y = L'\\';
        if (std::towlower(static_cast<wint_t>(x)) != std::towlower(static_cast<wint_t>(y))) return false;
    }
    return true;
}

}  // namespace

std::wstring startCommandFor(std::wstring_view exePath) { return L"\"" + std::wstring(exePath) + L"\""; }

bool commandStartsExecutable(std::wstring_view commandLine, std::wstring_view exePath) {
    return !exePath.empty() && samePath(programOf(commandLine), exePath);
}

bool approvalTurnsOff(const std::vector<uint8_t>& mark) { return !mark.empty() && (mark.front() & 1) != 0; }

bool startsAtSignIn(StartupEntry& entry, std::wstring_view exePath) {
    const std::optional<std::wstring> command = entry.command();
    return command && commandStartsExecutable(*command, exePath) && !approvalTurnsOff(entry.approval());
}

void setStartAtSignIn(StartupEntry& entry, std::wstring_view exePath, bool on) {
    if (!on) {
        entry.remove();
        return;
    }
    entry.writeCommand(startCommandFor(exePath));
    if (approvalTurnsOff(entry.approval())) entry.writeApproval(std::vector<uint8_t>(std::begin(kApprovedMark), std::end(kApprovedMark)));
}

}  // namespace marilo
