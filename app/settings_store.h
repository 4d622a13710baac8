#pragma once
// Where the settings live between runs: integer, text and binary values by
// section and name, after the profile-style interface of the platform. The
// Windows registry implements it (platform/registry_store.h); MemoryStore
// keeps the values in memory for tests and for systems without a registry.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace marilo {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // A value that is absent or of another type reads as the default.
    virtual int32_t getInt(const char* section, const char* name, int32_t defaultValue) = 0;
    virtual std::string getText(const char* section, const char* name, const char* defaultValue) = 0;
    // At most `maxBytes` of the stored bytes, from the front; empty when the
    // value is absent. Never allocates more than what is stored.
    virtual std::vector<uint8_t> getBinary(const char* section, const char* name, std::size_t maxBytes) = 0;

    // Writes; a write that fails is lost silently.
    virtual void putInt(const char* section, const char* name, int32_t value) = 0;
    virtual void putText(const char* section, const char* name, const char* value) = 0;
    virtual void putBinary(const char* section, const char* name, const uint8_t* data, std::size_t size) = 0;

protected:
    SettingsStore() = default;
    SettingsStore(const SettingsStore&) = default;
    SettingsStore& operator=(const SettingsStore&) = default;
};

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
