#pragma once
// What Marilo.exe is asked to do by its command line: nothing given, it runs
// resident in the tray; "--save-graph FILE" writes the tide graph as the menu
// would show it now to a PNG file and ends, drawn for a 96-dpi screen unless
// "--scale PERCENT" asks for a scaled one, over 1 to 4 days with "--days N";
// "--save-month FILE [YYYY-MM]"
// writes the month picture of this month or the one given. Anything else is
// refused, with the reason, before anything starts.

#include <string>
#include <vector>

namespace marilo {

struct ProgramArguments {
    enum class Action { RunResident, SaveGraph, SaveMonth, Refuse };
    Action action = Action::RunResident;
    std::wstring file;   // SaveGraph, SaveMonth: where to write
    int dpi = 96;        // SaveGraph: the screen the picture is drawn for
    int days = 1;        // SaveGraph: the days side by side, 1..4
    int year = 0;        // SaveMonth: the month given, 0 for this month
    int month = 0;
    std::wstring error;  // Refuse: one line naming what is wrong, with the usage
};

// The dpi of a screen scaled to `percent`, to the nearest dot: 150 is 144.
int dpiOfScalePercent(int percent);

// `args` without the program's own name.
ProgramArguments parseProgramArguments(const std::vector<std::wstring>& args);

}  // namespace marilo
