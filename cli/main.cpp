#include "cli/Commands.h"

int main(int Argc, char** Argv) { return quillon::cli::RunCli(Argc, Argv); }
