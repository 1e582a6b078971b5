#include "cli/Commands.h"

namespace quillon::cli {

// Not available yet.
TCommand AddPinsCommand(CLI::App&) { return {}; }

}  // namespace quillon::cli
