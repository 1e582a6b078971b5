#include "cli/Commands.h"

namespace quillon::cli {

// Not available yet.
TCommand AddConvertCommand(CLI::App&) { return {}; }

}  // namespace quillon::cli
