// SPDX-License-Identifier: MIT
#pragma once
// The pin description options shared by `pins` and `convert`:
// --layout, --hole-unit, --aperture-unit, --oem.

#include <cstdint>
#include <string>

namespace CLI {
class App;
}

namespace quillon {
class TPins;
}

namespace quillon::cli {

struct TPinOptions {
  std::string File;  // empty: no description
  std::uint8_t Layout = 0;        // 0 hole-aper, 1 aper-hole
  std::uint8_t HoleUnit = 0;      // index into PinUnits
  std::uint8_t ApertureUnit = 0;  // index into PinUnits
  bool Oem = false;               // convert from code page 866 first
  bool Verbose = false;           // list skipped lines on stderr
};

// Adds --layout, --hole-unit, --aperture-unit and --oem to Sub (not the file).
void AddPinOptions(CLI::App& Sub, TPinOptions& Options);

// Reads Options.File into Pins (Clear, Parse, SetUnits). Throws
// std::runtime_error with a message naming the file when it cannot be read.
void LoadPins(const TPinOptions& Options, TPins& Pins);

}  // namespace quillon::cli
