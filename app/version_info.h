#pragma once
// The program's version number from its version resource, the running
// system's name for support mail, and the mail itself.

#include <cstdint>
#include <string>

namespace marilo {

struct VersionNumbers {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// "1, 6, 2, 0" -> 1, 6, 2: the integer at the start, after the first comma
// and after the second comma (leading blanks skipped, a sign accepted). A
// text with fewer than two commas gives 0.00 rather than reading past it;
// the result is then false.
bool ParseVersion(const char* text, VersionNumbers& out);

// "Marilo Version %d.%d%d".
std::string versionLine(const VersionNumbers& v);

// Operating system names indexed by the detection result.
constexpr int kOsNameCount = 11;
extern const char* const OsNames[kOsNameCount];

// The version record of the running system.
struct OsVersion {
    uint32_t platformId;  // 0 Win32s, 1 Windows 9x, 2 Windows NT
    uint32_t major;
    uint32_t minor;
    uint32_t build;
};
// Index into OsNames; 0 ("UnKnown") for anything the table does not name.
int osIndexOf(const OsVersion& v);
bool isWindowsXpVersion(const OsVersion& v);

// The support contact: display name and address.
extern const char* const kSupportContact;   // "Marilo サポート<support@example.com>"
extern const char* const kSupportAddress;   // "support@example.com"

// The mailto: URL of the About box's link, cp932.
std::string supportMailUrl(int year, int month, int day, const char* osName, const VersionNumbers& v);

// Platform side (Windows): the FileVersion text of the running executable or
// "バージョン情報取得失敗"; the cached system detection.
std::string GetVersionText();
// ParseVersion of GetVersionText: what the splash, the About box and the
// support mail show (0.00 when the resource cannot be read).
VersionNumbers runningVersion();
int DetectOs();
bool IsWindowsXp();

}  // namespace marilo
