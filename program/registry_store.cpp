#include "program/registry_store.h"

#include <windows.h>

#include <utility>

#include "platform/registry.h"
#include "platform/text.h"
#include "program/startup_registry.h"

namespace marilo {

namespace {

// Names and texts of the store are cp932; the registry is spoken to in UTF-16.
std::wstring wide(const char* s) { return s != nullptr ? widen(s) : std::wstring(); }

std::wstring keyPath(const std::wstring& root, const char* section) {
    std::wstring path = root;
    const std::wstring sec = wide(section);
    if (!sec.empty()) path += L"\\" + sec;
    return path;
}

// Type and size of a value of an open key; false when it is absent.
bool queryValue(const RegistryKey& key, const std::wstring& name, DWORD& type, DWORD& size) {
    size = 0;
    return key && RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
}

}  // namespace

RegistryStore::RegistryStore(std::wstring profileKey, std::wstring binaryKey)
    : profileKey_(std::move(profileKey)), binaryKey_(std::move(binaryKey)) {}

std::wstring RegistryStore::profileKeyFor(const std::wstring& appName) {
    return L"Software\\Harbrook Works\\" + appName;
}

std::wstring RegistryStore::executableBaseName() {
    const std::wstring path = executablePath();
    if (path.empty()) return L"Marilo";
    const std::size_t slash = path.find_last_of(L"\\/");
    std::wstring base = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const std::size_t dot = base.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0) base.resize(dot);
    return base;
}

RegistryStore RegistryStore::forThisProgram() {
    return RegistryStore(profileKeyFor(executableBaseName()), profileKeyFor(L"Marilo"));
}

int32_t RegistryStore::getInt(const char* section, const char* name, int32_t defaultValue) {
    const RegistryKey key = openUserKey(keyPath(profileKey_, section));
    DWORD type = 0, size = 0;
    if (!queryValue(key, wide(name), type, size) || type != REG_DWORD || size != sizeof(DWORD)) return defaultValue;
    DWORD value = 0;
    size = sizeof value;
    if (RegQueryValueExW(key.get(), wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return defaultValue;
    return static_cast<int32_t>(value);
}

std::string RegistryStore::getText(const char* section, const char* name, const char* defaultValue) {
    const std::string fallback = defaultValue != nullptr ? defaultValue : "";
    const RegistryKey key = openUserKey(keyPath(profileKey_, section));
    const std::wstring wname = wide(name);
    DWORD type = 0, size = 0;
    if (!queryValue(key, wname, type, size) || (type != REG_SZ && type != REG_EXPAND_SZ)) return fallback;
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.get(), wname.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got) !=
        ERROR_SUCCESS)
        return fallback;
    // A stored text need not end with its terminator; the buffer has one spare.
    text.resize(got / sizeof(wchar_t));
    const std::size_t nul = text.find(L'\0');
    if (nul != std::wstring::npos) text.resize(nul);
    return narrow(text);
}

std::vector<uint8_t> RegistryStore::getBinary(const char* section, const char* name, std::size_t maxBytes) {
    const RegistryKey key = openUserKey(keyPath(binaryKey_, section));
    const std::wstring wname = wide(name);
    DWORD type = 0, size = 0;
    if (!queryValue(key, wname, type, size) || type != REG_BINARY || size == 0 || maxBytes == 0) return {};
    // The whole value is read (a short buffer would leave its content
    // undefined), then cut to what was asked for.
    std::vector<uint8_t> bytes(size);
    DWORD got = size;
    if (RegQueryValueExW(key.get(), wname.c_str(), nullptr, &type, bytes.data(), &got) != ERROR_SUCCESS) return {};
    bytes.resize(got < maxBytes ? got : maxBytes);
    return bytes;
}

void RegistryStore::putInt(const char* section, const char* name, int32_t value) {
    const RegistryKey key = createUserKey(keyPath(profileKey_, section));
    if (!key) return;
    const DWORD v = static_cast<DWORD>(value);
    RegSetValueExW(key.get(), wide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
}

void RegistryStore::putText(const char* section, const char* name, const char* value) {
    const RegistryKey key = createUserKey(keyPath(profileKey_, section));
    if (!key) return;
    const std::wstring text = wide(value);
    RegSetValueExW(key.get(), wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void RegistryStore::putBinary(const char* section, const char* name, const uint8_t* data, std::size_t size) {
    const RegistryKey key = createUserKey(keyPath(binaryKey_, section));
    if (!key) return;
    static const BYTE kNothing = 0;
    RegSetValueExW(key.get(), wide(name).c_str(), 0, REG_BINARY, size > 0 ? data : &kNothing,
                   static_cast<DWORD>(size));
}

}  // namespace marilo
