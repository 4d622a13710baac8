#include "app/version_info.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace marilo {

const char* const OsNames[kOsNameCount] = {
    "UnKnown", "WIN31",   "WIN95_OSR2_EARLIER", "WIN95_OSR2_LATER", "WIN98", "WIN98SE",
    "WINME",   "WINNT35", "WINNT40",            "WIN2000",          "WINXP",
};

const char* const kSupportContact = "Marilo サポート<support@example.com>";
const char* const kSupportAddress = "support@example.com";

bool ParseVersion(const char* text, VersionNumbers& out) {
    out = {};
    if (!text) return false;
    const char* first = std::strchr(text, ',');
    const char* second = first ? std::strchr(first + 1, ',') : nullptr;
    if (!second) return false;
    out.major = std::atoi(text);
    out.minor = std::atoi(first + 1);
    out.revision = std::atoi(second + 1);
    return true;
}

std::string versionLine(const VersionNumbers& v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "Marilo Version %d.%d%d", v.major, v.minor, v.revision);
    return buf;
}

int osIndexOf(const OsVersion& v) {
    switch (v.platformId) {
        case 0: return 1;
        case 1:
            if (v.minor == 0) return (v.build & 0xFFFF) > 1000 ? 3 : 2;
            if (v.minor == 10) return 5;
            if (v.minor == 90) return 6;
            return 0;
        case 2:
            if (v.major == 3) return 7;
            if (v.major == 4) return 8;
            if (v.major == 5 && v.minor == 0) return 9;
            if (v.major == 5 && v.minor == 1) return 10;
            return 0;
        default: return 0;
    }
}

bool isWindowsXpVersion(const OsVersion& v) { return v.major == 5 && v.minor == 1; }

std::string supportMailUrl(int year, int month, int day, const char* osName, const VersionNumbers& v) {
    char query[512];
    std::snprintf(query, sizeof query,
                  "?subject=Mariloについて&body=日付:%d年%d月%d日%%0D%%0AＯＳのバージョン%%20=%%20%s%%0D%%0A"
                  "Mariloのバージョン%%20=%%20%d.%d%d%%0D%%0A%%0D%%0A内容：%%0D%%0A<以下に記述してください。>"
                  "%%0D%%0A",
                  year, month, day, osName, v.major, v.minor, v.revision);
    return std::string("mailto:") + kSupportContact + query;
}

}  // namespace marilo
