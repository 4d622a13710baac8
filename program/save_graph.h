#pragma once
// "--save-graph FILE": the tide graph exactly as the menu would show it now
// (the stored port, graph size and axis settings, today, with the present
// moment) written to a PNG file, reading the stored settings and writing
// none. It needs no other copy of the program and minds none that runs.

#include <string>

namespace marilo {

// Empty on success, otherwise what went wrong (English).
std::string saveGraphPng(const std::wstring& file);

}  // namespace marilo
