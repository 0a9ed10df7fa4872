// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The items of one kind on a printed page, in drawing order.
#include <vector>

#include "platform/rules/page_document.h"

template <class Item>
std::vector<Item> placedOf(const PrintPage& page) {
  std::vector<Item> found;
  for (const PlacedItem& item : page.items)
    if (auto* wanted = std::get_if<Item>(&item)) found.push_back(*wanted);
  return found;
}
