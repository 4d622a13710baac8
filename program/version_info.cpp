#include <windows.h>

#include <vector>

#include "app/version_info.h"
#include "platform/text.h"

namespace marilo {

namespace {
int cachedOsIndex = 0;  // 0 until a detection succeeds

OsVersion runningOsVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}
}  // namespace

std::string GetVersionText() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &handle);
    if (size > 0) {
        std::vector<unsigned char> block(size, 0);
        void* value = nullptr;
        UINT length = 0;
        if (GetFileVersionInfoW(path, 0, size, block.data()) &&
            VerQueryValueW(block.data(), L"\\StringFileInfo\\041104b0\\FileVersion", &value, &length) && value &&
            length > 0)
            return narrow(static_cast<const wchar_t*>(value)).substr(0, 255);
    }
    return "バージョン情報取得失敗";
}

int DetectOs() {
    if (cachedOsIndex != 0) return cachedOsIndex;
    cachedOsIndex = osIndexOf(runningOsVersion());
    return cachedOsIndex;
}

bool IsWindowsXp() { return isWindowsXpVersion(runningOsVersion()); }

}  // namespace marilo
