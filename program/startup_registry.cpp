#include "program/startup_registry.h"

#include <windows.h>

namespace marilo {

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kApprovedKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// The bytes of a value of one of the given types, or nothing.
std::optional<std::vector<uint8_t>> valueBytes(const wchar_t* key, const std::wstring& name, DWORD flags) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), flags, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<uint8_t> bytes(size);
    if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), flags, nullptr, bytes.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}

}  // namespace

std::wstring executablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::optional<std::wstring> RegistryStartupEntry::command() {
    // An expandable text comes back expanded, as a plain one (asking for
    // the expandable type itself is refused unless expansion is off).
    const auto bytes = valueBytes(kRunKey, name_, RRF_RT_REG_SZ);
    if (!bytes) return std::nullopt;
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes->data()), bytes->size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::vector<uint8_t> RegistryStartupEntry::approval() {
    return valueBytes(kApprovedKey, name_, RRF_RT_REG_BINARY).value_or(std::vector<uint8_t>());
}

void RegistryStartupEntry::writeCommand(const std::wstring& commandLine) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, name_.c_str(), REG_SZ, commandLine.c_str(),
                    static_cast<DWORD>((commandLine.size() + 1) * sizeof(wchar_t)));
}

void RegistryStartupEntry::writeApproval(const std::vector<uint8_t>& mark) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, name_.c_str(), REG_BINARY, mark.data(),
                    static_cast<DWORD>(mark.size()));
}

void RegistryStartupEntry::remove() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, name_.c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedKey, name_.c_str());
}

}  // namespace marilo
