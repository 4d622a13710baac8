#include "app/memory_store.h"

#include <algorithm>

namespace marilo {

std::string MemoryStore::keyOf(const char* section, const char* name) {
    std::string key(section != nullptr ? section : "");
    key += '\\';
    key += name != nullptr ? name : "";
    return key;
}

const MemoryStore::Value* MemoryStore::find(const char* section, const char* name) const {
    const auto it = values_.find(keyOf(section, name));
    return it == values_.end() ? nullptr : &it->second;
}

bool MemoryStore::erase(const char* section, const char* name) { return values_.erase(keyOf(section, name)) > 0; }

int32_t MemoryStore::getInt(const char* section, const char* name, int32_t defaultValue) {
    const Value* v = find(section, name);
    return v != nullptr && v->type == Type::Int ? v->integer : defaultValue;
}

std::string MemoryStore::getText(const char* section, const char* name, const char* defaultValue) {
    const Value* v = find(section, name);
    if (v != nullptr && v->type == Type::Text) return v->text;
    return defaultValue != nullptr ? defaultValue : "";
}

std::vector<uint8_t> MemoryStore::getBinary(const char* section, const char* name, std::size_t maxBytes) {
    const Value* v = find(section, name);
    if (v == nullptr || v->type != Type::Binary) return {};
    const std::size_t n = std::min(maxBytes, v->bytes.size());
    return std::vector<uint8_t>(v->bytes.begin(), v->bytes.begin() + static_cast<std::ptrdiff_t>(n));
}

void MemoryStore::putInt(const char* section, const char* name, int32_t value) {
    Value v;
    v.type = Type::Int;
    v.integer = value;
    values_[keyOf(section, name)] = std::move(v);
    log_.push_back(keyOf(section, name));
}

void MemoryStore::putText(const char* section, const char* name, const char* value) {
    Value v;
    v.type = Type::Text;
    v.text = value != nullptr ? value : "";
    values_[keyOf(section, name)] = std::move(v);
    log_.push_back(keyOf(section, name));
}

void MemoryStore::putBinary(const char* section, const char* name, const uint8_t* data, std::size_t size) {
    Value v;
    v.type = Type::Binary;
    if (data != nullptr && size > 0) v.bytes.assign(data, data + size);
    values_[keyOf(section, name)] = std::move(v);
    log_.push_back(keyOf(section, name));
}

std::vector<std::string> MemoryStore::writeOrder(const char* section) const {
    const std::string prefix = keyOf(section, "");
    std::vector<std::string> names;
    for (const std::string& k : log_) {
        if (k.compare(0, prefix.size(), prefix) != 0) continue;
        std::string n = k.substr(prefix.size());
        if (std::find(names.begin(), names.end(), n) == names.end()) names.push_back(std::move(n));
    }
    return names;
}

}  // namespace marilo
