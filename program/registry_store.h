#pragma once
// The settings store in the per-user registry (HKEY_CURRENT_USER).
//
// Integer and text values live under <profileKey>\<section>, as the
// profile-style functions keep them: integers REG_DWORD, texts REG_SZ.
// Binary values live under <binaryKey>\<section> (REG_BINARY); the program
// keeps its rule list at the fixed key Software\Harbrook Works\Marilo\Setting,
// which is the same key as long as the executable is named Marilo.exe.
// Keys are created on first write; each operation opens and closes its key.

#include <string>

#include "app/interfaces.h"

namespace marilo {

class RegistryStore final : public SettingsStore {
public:
    // Paths below HKEY_CURRENT_USER, without the section.
    RegistryStore(std::wstring profileKey, std::wstring binaryKey);

    // The program's own store: "Software\Harbrook Works\" + the executable's
    // file name without extension for the profile values, and the fixed
    // "Software\Harbrook Works\Marilo" for binary values.
    static RegistryStore forThisProgram();
    // "Software\Harbrook Works\<appName>".
    static std::wstring profileKeyFor(const std::wstring& appName);
    // Base name of the running executable ("Marilo" for ...\Marilo.exe).
    static std::wstring executableBaseName();

    int32_t getInt(const char* section, const char* name, int32_t defaultValue) override;
    std::string getText(const char* section, const char* name, const char* defaultValue) override;
    std::vector<uint8_t> getBinary(const char* section, const char* name, std::size_t maxBytes) override;
    void putInt(const char* section, const char* name, int32_t value) override;
    void putText(const char* section, const char* name, const char* value) override;
    void putBinary(const char* section, const char* name, const uint8_t* data, std::size_t size) override;

    const std::wstring& profileKey() const { return profileKey_; }
    const std::wstring& binaryKey() const { return binaryKey_; }

private:
    std::wstring profileKey_;
    std::wstring binaryKey_;
};

}  // namespace marilo
