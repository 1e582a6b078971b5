// SPDX-License-Identifier: MIT
#pragma once
// --items: which kinds of items a conversion writes.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillon::cli {

// A comma list of pads, lines, arcs, text, polygons (any letter case), or
// "none": the Options byte of Convert. nullopt for an unknown word, an empty
// list or "none" mixed with other words.
std::optional<std::uint8_t> ParseItemSwitches(std::string_view List);

}  // namespace quillon::cli
