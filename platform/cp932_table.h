#pragma once
// The tables behind the cp932 codec, written by tools/gen_cp932.mjs into
// platform/cp932_table.cpp. Only platform/cp932.cpp reads them.

#include <cstdint>

namespace marilo::cp932 {

inline constexpr int kLeadCount = 60;    // lead bytes 0x81-0x9F and 0xE0-0xFC
inline constexpr int kTrailCount = 188;  // trail bytes 0x40-0x7E and 0x80-0xFC
inline constexpr int kCodeCount = 9397;   // characters cp932 can write

extern const char16_t kSingleByte[256];
extern const char16_t kDoubleByte[kLeadCount * kTrailCount];
extern const uint16_t kCodesByChar[kCodeCount];

}  // namespace marilo::cp932
