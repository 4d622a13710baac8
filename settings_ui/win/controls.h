#pragma once
// Reading and writing the controls of the settings dialog's pages and of the
// rule editor: check boxes, radio groups, fixed lists and texts. Texts are
// cp932 on our side and UTF-16 at the controls.

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "settings_ui/choice_lists.h"

namespace marilo {

bool isChecked(HWND dlg, int id);
void setChecked(HWND dlg, int id, bool on);
void enableItem(HWND dlg, int id, bool on);

// A radio group given by its controls in the group's order: the index of
// the checked one (kNoSelection when none is), checking one (none for
// kNoSelection), and the index of a control in the group (-1 when it is not
// one of them).
int32_t checkedRadio(HWND dlg, std::span<const int> group);
void checkRadio(HWND dlg, std::span<const int> group, int32_t index);
int32_t radioIndexOf(std::span<const int> group, int id);

// A drop-down list filled with fixed entries, its selection (kNoSelection
// when none) and selecting an entry (none for kNoSelection).
void fillList(HWND dlg, int id, Choice list);
int32_t listSelection(HWND dlg, int id);
void selectListEntry(HWND dlg, int id, int32_t index);

std::string controlText(HWND dlg, int id);
void setControlText(HWND dlg, int id, const std::u16string& text);

// Puts the keyboard focus on a control of a page or dialog, as the dialog
// manager would on a Tab, with its text selected.
void focusItem(HWND dlg, int id);

}  // namespace marilo
