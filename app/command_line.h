#pragma once
// What Marilo.exe is asked to do by its command line: nothing given, it runs
// resident in the tray; "--save-graph FILE" writes the tide graph as the menu
// would show it now to a PNG file and ends; "--save-month FILE [YYYY-MM]"
// writes the month picture of this month or the one given. Anything else is
// refused, with the reason, before anything starts.

#include <string>
#include <vector>

namespace marilo {

struct ProgramArguments {
    enum class Action { RunResident, SaveGraph, SaveMonth, Refuse };
    Action action = Action::RunResident;
    std::wstring file;   // SaveGraph, SaveMonth: where to write
    int year = 0;        // SaveMonth: the month given, 0 for this month
    int month = 0;
    std::wstring error;  // Refuse: one line naming what is wrong, with the usage
};

// `args` without the program's own name.
ProgramArguments parseProgramArguments(const std::vector<std::wstring>& args);

}  // namespace marilo
