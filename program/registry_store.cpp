#include "program/registry_store.h"

#include <windows.h>

#include <utility>

#include "platform/text.h"

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

// An open registry key, closed when it goes out of scope.
class Key {
public:
    static Key open(const std::wstring& path) {
        HKEY h = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) h = nullptr;
        return Key(h);
    }
    static Key create(const std::wstring& path) {
        HKEY h = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, &h, nullptr) != ERROR_SUCCESS)
            h = nullptr;
        return Key(h);
    }
    Key(Key&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    Key& operator=(Key&& o) noexcept {
        if (this != &o) {
            close();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() { close(); }

    explicit operator bool() const { return h_ != nullptr; }
    HKEY get() const { return h_; }

    // Type and size of a value; false when it is absent.
    bool query(const std::wstring& name, DWORD& type, DWORD& size) const {
        size = 0;
        return h_ != nullptr &&
               RegQueryValueExW(h_, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    }

private:
    explicit Key(HKEY h) : h_(h) {}
    void close() {
        if (h_ != nullptr) RegCloseKey(h_);
        h_ = nullptr;
    }
    HKEY h_ = nullptr;
};

}  // namespace

RegistryStore::RegistryStore(std::wstring profileKey, std::wstring binaryKey)
    : profileKey_(std::move(profileKey)), binaryKey_(std::move(binaryKey)) {}

std::wstring RegistryStore::profileKeyFor(const std::wstring& appName) {
    return L"Software\\Harbrook Works\\" + appName;
}

std::wstring RegistryStore::executableBaseName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return L"Marilo";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
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
    Key key = Key::open(keyPath(profileKey_, section));
    DWORD type = 0, size = 0;
    if (!key.query(wide(name), type, size) || type != REG_DWORD || size != sizeof(DWORD)) return defaultValue;
    DWORD value = 0;
    size = sizeof value;
    if (RegQueryValueExW(key.get(), wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return defaultValue;
    return static_cast<int32_t>(value);
}

std::string RegistryStore::getText(const char* section, const char* name, const char* defaultValue) {
    const std::string fallback = defaultValue != nullptr ? defaultValue : "";
    Key key = Key::open(keyPath(profileKey_, section));
    const std::wstring wname = wide(name);
    DWORD type = 0, size = 0;
    if (!key.query(wname, type, size) || (type != REG_SZ && type != REG_EXPAND_SZ)) return fallback;
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
    Key key = Key::open(keyPath(binaryKey_, section));
    const std::wstring wname = wide(name);
    DWORD type = 0, size = 0;
    if (!key.query(wname, type, size) || type != REG_BINARY || size == 0 || maxBytes == 0) return {};
    // The whole value is read (a short buffer would leave its content
    // undefined), then cut to what was asked for.
    std::vector<uint8_t> bytes(size);
    DWORD got = size;
    if (RegQueryValueExW(key.get(), wname.c_str(), nullptr, &type, bytes.data(), &got) != ERROR_SUCCESS) return {};
    bytes.resize(got < maxBytes ? got : maxBytes);
    return bytes;
}

void RegistryStore::putInt(const char* section, const char* name, int32_t value) {
    Key key = Key::create(keyPath(profileKey_, section));
    if (!key) return;
    const DWORD v = static_cast<DWORD>(value);
    RegSetValueExW(key.get(), wide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
}

void RegistryStore::putText(const char* section, const char* name, const char* value) {
    Key key = Key::create(keyPath(profileKey_, section));
    if (!key) return;
    const std::wstring text = wide(value);
    RegSetValueExW(key.get(), wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void RegistryStore::putBinary(const char* section, const char* name, const uint8_t* data, std::size_t size) {
    Key key = Key::create(keyPath(binaryKey_, section));
    if (!key) return;
    static const BYTE kNothing = 0;
    RegSetValueExW(key.get(), wide(name).c_str(), 0, REG_BINARY, size > 0 ? data : &kNothing,
                   static_cast<DWORD>(size));
}

}  // namespace marilo
