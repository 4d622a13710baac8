#pragma once
// Writes a picture to a PNG file through the Windows Imaging Component.

#include <string>

#include "platform/gdi.h"

namespace marilo {

// The 24-bit surface as a PNG file at `path`. Empty on success, otherwise
// what went wrong, in English.
std::string writePngFile(const std::wstring& path, const DibSurface& surface);

}  // namespace marilo
