#pragma once
// Menu item ids of a window: kMenuIdBase + the item's place in a depth-first
// walk of the window's menus, hidden ones included. The view numbers its
// menus this way and the test driver finds items by caption path with it.
#include <string>
#include <string_view>
#include <vector>

#include "ui/form_defs.h"

namespace rv::win32 {

constexpr int kMenuIdBase = 20000;

inline void CollectMenuItems(std::span<const MenuItemDef> items, std::vector<const MenuItemDef*>* out) {
  for (const MenuItemDef& item : items) {
    if (!item.caption) break;
    out->push_back(&item);
    CollectMenuItems(item.items, out);
  }
}

inline std::vector<const MenuItemDef*> MenuItemsInIdOrder(const WindowDef& def) {
  std::vector<const MenuItemDef*> out;
  CollectMenuItems(def.menu, &out);
  return out;
}

// The id of the item at "TOP/ITEM/..." (captions), or 0 when there is none.
inline int MenuIdOfPath(const WindowDef& def, std::string_view path) {
  const std::vector<const MenuItemDef*> order = MenuItemsInIdOrder(def);
  std::span<const MenuItemDef> level = def.menu;
  const MenuItemDef* found = nullptr;
  while (!path.empty()) {
    size_t slash = path.find('/');
    std::string_view caption = path.substr(0, slash);
    found = nullptr;
    for (const MenuItemDef& item : level) {
      if (!item.caption) break;
      if (caption == item.caption) found = &item;
    }
    if (!found) return 0;
    level = found->items;
    path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
  }
  for (size_t i = 0; i < order.size(); ++i)
    if (order[i] == found) return kMenuIdBase + static_cast<int>(i);
  return 0;
}

}  // namespace rv::win32
