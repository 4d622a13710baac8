#include "platform/registry.h"

namespace marilo {

RegistryKey openUserKey(const std::wstring& path) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return RegistryKey();
    return RegistryKey(h);
}

RegistryKey createUserKey(const std::wstring& path) {
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, &h, nullptr) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(h);
}

std::optional<DWORD> userDword(const std::wstring& path, const std::wstring& name) {
    const RegistryKey key = openUserKey(path);
    if (!key) return std::nullopt;
    DWORD value = 0, type = 0, size = sizeof value;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

}  // namespace marilo
