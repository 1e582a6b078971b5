// SPDX-License-Identifier: MIT
#pragma once
// The whole board as JSON for tooling and tests: every item keyed by the
// model's own field names, in file order.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace quillon {
class TPcb;
}

namespace quillon::cli {

// {"Result", "Version", "Extents": [Left, Top, Right, Bottom], "Scale",
//  "Layers": [{"Name", "Number", "Attribute", "Lines", "Arcs", "Texts",
//  "Flashes", "Polygons"}, ...]}
nlohmann::ordered_json BoardJson(const TPcb& Pcb, bool Result);

// Bytes read from a plot file (8-bit, any code page) as UTF-8, each byte
// becoming the character of the same number, so no byte is lost or invalid.
std::string PlotBytesAsUtf8(std::string_view Bytes);

}  // namespace quillon::cli
