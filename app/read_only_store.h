#pragma once
// A settings store that reads through another one and drops every write: for
// a run of the program that must leave the stored settings as it found them
// (the first-start defaults are then used without being written).

#include "app/interfaces.h"

namespace marilo {

class ReadOnlyStore final : public SettingsStore {
public:
    explicit ReadOnlyStore(SettingsStore& inner) : inner_(inner) {}

    int32_t getInt(const char* section, const char* name, int32_t defaultValue) override {
        return inner_.getInt(section, name, defaultValue);
    }
    std::string getText(const char* section, const char* name, const char* defaultValue) override {
        return inner_.getText(section, name, defaultValue);
    }
    std::vector<uint8_t> getBinary(const char* section, const char* name, std::size_t maxBytes) override {
        return inner_.getBinary(section, name, maxBytes);
    }
    void putInt(const char*, const char*, int32_t) override {}
    void putText(const char*, const char*, const char*) override {}
    void putBinary(const char*, const char*, const uint8_t*, std::size_t) override {}

private:
    SettingsStore& inner_;
};

}  // namespace marilo
