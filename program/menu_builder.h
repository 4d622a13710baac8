#pragma once
// A popup menu made from the menu model, item for item: texts, commands,
// separators, owner-drawn items, check marks and nested popups. The whole
// tree belongs to the one returned handle.

#include <vector>

#include "app/menu_model.h"
#include "platform/handle.h"

namespace marilo {

Menu menuFromModel(const std::vector<MenuItem>& items);

}  // namespace marilo
