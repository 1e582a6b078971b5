// SPDX-License-Identifier: MIT
#pragma once
// The .jhf texts of the two Hershey fonts the stroke font is made of, as the
// build read them from hershey-fonts-data (see HersheyData.cpp.in): the
// program reads no font file when it runs.

#include <string_view>

namespace quillon::font {

std::string_view SimplexRomanJhf();      // rowmans.jhf: the printable ASCII characters
std::string_view CyrillicJhf();          // cyrillic.jhf: the Cyrillic letters
std::string_view CyrillicNumberedJhf();  // cyrilc_1.jhf: the same letters, Й among them

}  // namespace quillon::font
