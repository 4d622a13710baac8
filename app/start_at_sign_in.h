#pragma once
// Starting the program when the user signs in: whether the sign-in entry
// starts this very executable, and turning it on or off. The entry itself is
// the only record of the choice; nothing of it is kept in the settings.

#include <string>
#include <string_view>

#include "app/interfaces.h"

namespace marilo {

// The command the entry holds for an executable: its path in double quotes.
std::wstring startCommandFor(std::wstring_view exePath);

// True when the command line starts the executable at exePath: its program
// (quoted, or unquoted up to the first blank) is that path, with letters
// compared without regard to case as the file system does.
bool commandStartsExecutable(std::wstring_view commandLine, std::wstring_view exePath);

// True when the system's start-up manager has turned the entry off: a mark
// whose first byte is odd. No mark, or an even first byte, leaves it on.
bool approvalTurnsOff(const std::vector<uint8_t>& mark);

// The check mark of the menu item: the entry starts this executable and has
// not been turned off.
bool startsAtSignIn(StartupEntry& entry, std::wstring_view exePath);

// On: the entry names this executable and is approved again if it had been
// turned off. Off: the entry is removed.
void setStartAtSignIn(StartupEntry& entry, std::wstring_view exePath, bool on);

}  // namespace marilo
