#pragma once
// A level as it is written with a fixed number of decimals, without the
// sign of a zero: a value that rounds to nothing at that precision is
// written as 0 ("0", "0.0"), never "-0". Everything else is left as it is,
// so the text comes out exactly as printf would write the value otherwise.

#include <cstdio>

namespace marilo {

inline double shownNumber(double value, int decimals) {
    if (!(value < 0)) return value;
    char text[352];  // room for any double at the precisions used
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    for (const char* c = text + 1; *c; ++c)
        if (*c >= '1' && *c <= '9') return value;
    return 0.0;
}

}  // namespace marilo
