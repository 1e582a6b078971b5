// SPDX-License-Identifier: MIT
#include <iostream>
#include <new>

#include "cli/Commands.h"
#include "save/TempFileRegistry.h"

int main(int Argc, char** Argv) {
  quillon::InstallTempFileCleanup();
  try {
    return quillon::cli::RunCli(Argc, Argv);
  } catch (const std::bad_alloc&) {
    // Whatever was being loaded, converted or saved: the temporary files went
    // with the unwinding, no output file was replaced.
    std::cerr << "quillon-cli: out of memory\n";
    return quillon::cli::ExitFailure;
  }
}
