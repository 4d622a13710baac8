#pragma once
// "--save-graph FILE": the tide graph exactly as the menu would show it now
// (the stored port, graph size and axis settings, today, with the present
// moment) written to a PNG file, reading the stored settings and writing
// none. The picture is drawn for a screen of `dpi` (96 unless asked), over
// `days` days from today (1 unless asked), as the graph window shows them. It
// needs no other copy of the program and minds none that runs.

#include <string>

#include "app/settings.h"

namespace marilo {

// The stored settings, read without writing anything: what a picture saved
// from the command line shows (a first start's defaults when nothing is
// stored).
ControllerSettings storedSettingsReadOnly();

// Empty on success, otherwise what went wrong (English).
std::string saveGraphPng(const std::wstring& file, int dpi, int days = 1);

}  // namespace marilo
