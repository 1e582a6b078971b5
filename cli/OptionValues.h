// SPDX-License-Identifier: MIT
#pragma once
// An option that takes a value takes the next argument whatever it is, so
// "--zip --answers yes-all" gave "--answers" to --zip and left "yes-all" as a
// second plot file, and the message spoke of something else. A value that
// starts with "-" is refused with a message that names the option and the
// argument; a file whose name starts with "-" is written "./-name".

namespace CLI {
class App;
}

namespace quillon::cli {

// Adds that check to every option of App's subcommands that takes a value.
void RefuseOptionsAsValues(CLI::App& App);

}  // namespace quillon::cli
