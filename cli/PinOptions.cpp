#include "cli/PinOptions.h"

#include "pins/Pins.h"

namespace quillon::cli {

// Filled in with the pin description reader's front end.
void AddPinOptions(CLI::App&, TPinOptions&) {}
void LoadPins(const TPinOptions&, TPins&) {}

}  // namespace quillon::cli
