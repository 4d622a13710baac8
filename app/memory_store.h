#pragma once
// The settings store in memory, typed like the registry's values: for tests
// and for systems without a registry.

#include <map>
#include <string>
#include <vector>

#include "app/interfaces.h"

namespace marilo {

// Values in memory, typed like the registry's: an integer, a text or bytes.
class MemoryStore final : public SettingsStore {
public:
    enum class Type { Int, Text, Binary };
    struct Value {
        Type type = Type::Int;
        int32_t integer = 0;
        std::string text;
        std::vector<uint8_t> bytes;
    };

    int32_t getInt(const char* section, const char* name, int32_t defaultValue) override;
    std::string getText(const char* section, const char* name, const char* defaultValue) override;
    std::vector<uint8_t> getBinary(const char* section, const char* name, std::size_t maxBytes) override;
    void putInt(const char* section, const char* name, int32_t value) override;
    void putText(const char* section, const char* name, const char* value) override;
    void putBinary(const char* section, const char* name, const uint8_t* data, std::size_t size) override;

    // Inspection for tests: the value, or nullptr when absent.
    const Value* find(const char* section, const char* name) const;
    bool erase(const char* section, const char* name);
    std::size_t size() const { return values_.size(); }
    void clear() { values_.clear(); }
    // Names of the section's values in the order they were first written.
    std::vector<std::string> writeOrder(const char* section) const;
    // Every write in order, as "section/name", for checking save order.
    const std::vector<std::string>& writeLog() const { return log_; }

private:
    static std::string keyOf(const char* section, const char* name);
    std::map<std::string, Value> values_;
    std::vector<std::string> log_;
};

}  // namespace marilo
