#include "cli/Commands.h"

namespace quillon::cli {

// Not available yet.
TCommand AddPreviewCommand(CLI::App&) { return {}; }

}  // namespace quillon::cli
