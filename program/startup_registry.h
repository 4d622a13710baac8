#pragma once
// The sign-in entry in the per-user registry: the command line under
// HKCU\Software\Microsoft\Windows\CurrentVersion\Run and the start-up
// manager's mark under ...\Explorer\StartupApproved\Run, both under one
// value name. Each operation opens and closes its key.

#include <string>

#include "app/interfaces.h"

namespace marilo {

// The full path of the running executable; empty when it cannot be read.
std::wstring executablePath();

class RegistryStartupEntry final : public StartupEntry {
public:
    explicit RegistryStartupEntry(std::wstring valueName) : name_(std::move(valueName)) {}

    std::optional<std::wstring> command() override;
    std::vector<uint8_t> approval() override;
    void writeCommand(const std::wstring& commandLine) override;
    void writeApproval(const std::vector<uint8_t>& mark) override;
    void remove() override;

private:
    std::wstring name_;
};

}  // namespace marilo
