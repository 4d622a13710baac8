#pragma once
// Lists and radio groups of the settings dialog hold indices; these map
// stored values to them and back. A stored value that no entry shows selects
// nothing, and a list that shows nothing keeps the value it was loaded from,
// so a value out of range survives an untouched confirm.

#include <cstdint>

namespace marilo {

constexpr int32_t kNoSelection = -1;

// The entry that shows `value` in a list of `count` entries whose first
// shows `first`, or kNoSelection.
constexpr int32_t listIndexOf(int32_t value, int32_t first, int32_t count) {
    const int64_t i = int64_t{value} - first;
    return i >= 0 && i < count ? static_cast<int32_t>(i) : kNoSelection;
}

// The value the selected entry shows, or `own` when nothing is selected.
constexpr int32_t listValueOr(int32_t index, int32_t first, int32_t own) { return index >= 0 ? index + first : own; }

}  // namespace marilo
