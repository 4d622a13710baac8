#include "program/menu_builder.h"

#include "platform/text.h"

namespace marilo {

namespace {

bool appendItems(HMENU menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        const UINT check = (item.checked ? MF_CHECKED : MF_UNCHECKED) | (item.grayed ? MF_GRAYED : 0);
        BOOL ok = FALSE;
        switch (item.kind) {
            case MenuItem::Kind::Separator: ok = AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); break;
            case MenuItem::Kind::OwnerDrawn:
                ok = AppendMenuW(menu, MF_OWNERDRAW | check, static_cast<UINT_PTR>(item.id), nullptr);
                break;
            case MenuItem::Kind::Command:
                ok = AppendMenuW(menu, MF_STRING | check, static_cast<UINT_PTR>(item.id), wideText(menuLine(item)));
                break;
            case MenuItem::Kind::Popup: {
                Menu sub(CreatePopupMenu());
                if (!sub || !appendItems(sub.get(), item.children)) return false;
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

Menu menuFromModel(const std::vector<MenuItem>& items) {
    Menu menu(CreatePopupMenu());
    if (!menu || !appendItems(menu.get(), items)) return Menu();
    return menu;
}

}  // namespace marilo
