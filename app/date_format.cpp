#include "app/date_format.h"

#include <cstdio>
#include <cstring>

namespace marilo {

namespace {

void appendNumber(std::string& out, int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    out += buf;
}

}  // namespace

std::string formatDatePattern(const char* pattern, const DateTime& when) {
    std::string out;
    const char* p = pattern;
    while (*p) {
        const char c = *p;
        if (c == '\'') {
            ++p;
            while (*p && *p != '\'') out += *p++;
            if (*p) ++p;
            continue;
        }
        size_t run = 1;
        while (p[run] == c) ++run;
        switch (c) {
            case 'y':
                if (run >= 3) appendNumber(out, when.year, 4);
                else appendNumber(out, when.year % 100, run == 2 ? 2 : 1);
                break;
            case 'M': appendNumber(out, when.month, run >= 2 ? 2 : 1); break;
            case 'd':
                if (run >= 3) out += when.weekdayName;
                else appendNumber(out, when.day, static_cast<int>(run));
                break;
            case 'h': {
                const int h12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
                appendNumber(out, h12, run >= 2 ? 2 : 1);
                break;
            }
            case 'H': appendNumber(out, when.hour, run >= 2 ? 2 : 1); break;
            case 'm': appendNumber(out, when.minute, run >= 2 ? 2 : 1); break;
            case 't': out += when.hour < 12 ? "午前" : "午後"; break;
            default: out.append(run, c); break;
        }
        p += run;
    }
    return out;
}

}  // namespace marilo
