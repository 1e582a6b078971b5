#include "cli/Commands.h"

namespace quillon::cli {

// Not available yet.
TCommand AddInfoCommand(CLI::App&) { return {}; }

}  // namespace quillon::cli
