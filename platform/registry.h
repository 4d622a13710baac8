#pragma once
// Keys of the current user's registry, opened into their owner so that each
// is closed however the code that reads it returns.

#include <optional>
#include <string>

#include "platform/handle.h"

namespace marilo {

// HKEY_CURRENT_USER\path opened for reading; empty when it is absent.
RegistryKey openUserKey(const std::wstring& path);
// HKEY_CURRENT_USER\path opened for reading and writing, made when absent;
// empty when it can be neither opened nor made.
RegistryKey createUserKey(const std::wstring& path);
// A REG_DWORD value under HKEY_CURRENT_USER\path; nothing when the key or
// the value is absent or the value is of another type.
std::optional<DWORD> userDword(const std::wstring& path, const std::wstring& name);

}  // namespace marilo
