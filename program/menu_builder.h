#pragma once
// A popup menu made from the menu model, item for item: texts, commands,
// separators, owner-drawn items, check marks and nested popups. The whole
// tree belongs to the one returned handle.

#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

#include "app/menu_model.h"
#include "platform/handle.h"

namespace marilo {

// The accessible names of owner-drawn items: each item's data points to a
// record that starts with the standard MSAAMENUINFO, which screen readers
// read for an item that has no text of its own. Keep this object as long as
// the menu built with it.
class MenuItemNames {
public:
    void set(int id, std::wstring name);
    // The item data for an item (its record), 0 when it has no name.
    ULONG_PTR dataFor(int id) const;

private:
    struct Record {
        MSAAMENUINFO info;  // first, as readers expect
        std::wstring text;
        int id;
    };
    std::vector<std::unique_ptr<Record>> records_;
};

Menu menuFromModel(const std::vector<MenuItem>& items, const MenuItemNames* names = nullptr);

}  // namespace marilo
