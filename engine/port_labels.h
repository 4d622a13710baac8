#pragma once
// The port chooser's own label of each port, indexed like PortTable. The
// tray program's port chooser is built from this table; the command line
// accepts these labels besides the table's names.

#include "engine/port_table.h"

namespace marilo {

extern const char* const PortMenuLabels[kPortCount];

}  // namespace marilo
