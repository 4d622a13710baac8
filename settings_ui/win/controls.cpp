#include "settings_ui/win/controls.h"

#include "platform/text.h"
#include "settings_ui/choice_lists.h"
#include "settings_ui/list_index.h"

namespace marilo {

bool isChecked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }

void setChecked(HWND dlg, int id, bool on) { CheckDlgButton(dlg, id, on ? BST_CHECKED : BST_UNCHECKED); }

void enableItem(HWND dlg, int id, bool on) { EnableWindow(GetDlgItem(dlg, id), on ? TRUE : FALSE); }

int32_t checkedRadio(HWND dlg, std::span<const int> group) {
    for (std::size_t i = 0; i < group.size(); ++i)
        if (isChecked(dlg, group[i])) return static_cast<int32_t>(i);
    return kNoSelection;
}

void checkRadio(HWND dlg, std::span<const int> group, int32_t index) {
    for (std::size_t i = 0; i < group.size(); ++i) setChecked(dlg, group[i], static_cast<int32_t>(i) == index);
}

int32_t radioIndexOf(std::span<const int> group, int id) {
    for (std::size_t i = 0; i < group.size(); ++i)
        if (group[i] == id) return static_cast<int32_t>(i);
    return -1;
}

void fillList(HWND dlg, int id, Choice list) {
    for (const std::u16string& line : choiceLines(list))
        SendDlgItemMessageW(dlg, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(line)));
}

int32_t listSelection(HWND dlg, int id) {
    const LRESULT i = SendDlgItemMessageW(dlg, id, CB_GETCURSEL, 0, 0);
    return i == CB_ERR ? kNoSelection : static_cast<int32_t>(i);
}

void selectListEntry(HWND dlg, int id, int32_t index) {
    SendDlgItemMessageW(dlg, id, CB_SETCURSEL, static_cast<WPARAM>(index < 0 ? -1 : index), 0);
}

std::string controlText(HWND dlg, int id) {
    HWND item = GetDlgItem(dlg, id);
    const int n = GetWindowTextLengthW(item);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(item, text.data(), n + 1)));
    return narrow(text);
}

void setControlText(HWND dlg, int id, const std::u16string& text) { SetDlgItemTextW(dlg, id, wideText(text)); }

void focusItem(HWND dlg, int id) {
    HWND item = GetDlgItem(dlg, id);
    SendMessageW(GetAncestor(dlg, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    wchar_t cls[16] = {};
    GetClassNameW(item, cls, 16);
    if (lstrcmpiW(cls, L"ComboBox") == 0) SendMessageW(item, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    else SendMessageW(item, EM_SETSEL, 0, -1);
}

}  // namespace marilo
