#include "program/menu_builder.h"

#include "platform/text.h"

namespace marilo {

namespace {

bool appendItems(HMENU menu, const std::vector<MenuItem>& items, const MenuItemNames* names) {
    for (const MenuItem& item : items) {
        const UINT check = (item.checked ? MF_CHECKED : MF_UNCHECKED) | (item.grayed ? MF_GRAYED : 0);
        BOOL ok = FALSE;
        switch (item.kind) {
            case MenuItem::Kind::Separator: ok = AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); break;
            case MenuItem::Kind::OwnerDrawn:
                ok = AppendMenuW(menu, MF_OWNERDRAW | check, static_cast<UINT_PTR>(item.id),
                                 reinterpret_cast<LPCWSTR>(names ? names->dataFor(item.id) : 0));
                break;
            case MenuItem::Kind::Command:
                ok = AppendMenuW(menu, MF_STRING | check, static_cast<UINT_PTR>(item.id), wideText(menuLine(item)));
                break;
            case MenuItem::Kind::Popup: {
                Menu sub(CreatePopupMenu());
                if (!sub || !appendItems(sub.get(), item.children, names)) return false;
                ok = AppendMenuW(menu, MF_POPUP | MF_STRING | check, reinterpret_cast<UINT_PTR>(sub.get()),
                                 wideText(menuLine(item)));
                if (ok) sub.release();  // the parent menu owns it now
                break;
            }
        }
        if (!ok) return false;
    }
    return true;
}

}  // namespace

void MenuItemNames::set(int id, std::wstring name) {
    auto record = std::make_unique<Record>();
    record->text = std::move(name);
    record->id = id;
    record->info.dwMSAASignature = static_cast<DWORD>(MSAA_MENU_SIG);
    record->info.cchWText = static_cast<DWORD>(record->text.size());
    record->info.pszWText = record->text.data();
    records_.push_back(std::move(record));
}

ULONG_PTR MenuItemNames::dataFor(int id) const {
    for (auto at = records_.rbegin(); at != records_.rend(); ++at)
        if ((*at)->id == id) return reinterpret_cast<ULONG_PTR>(at->get());
    return 0;
}

Menu menuFromModel(const std::vector<MenuItem>& items, const MenuItemNames* names) {
    Menu menu(CreatePopupMenu());
    if (!menu || !appendItems(menu.get(), items, names)) return Menu();
    return menu;
}

}  // namespace marilo
