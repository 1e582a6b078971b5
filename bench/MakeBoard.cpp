// SPDX-License-Identifier: MIT
// Writes a synthetic plot file: quillon-make-board RECORDS OUT.plt
// (and, with a third argument, the pin description the flashes use).

#include <charconv>
#include <cstdio>
#include <fstream>
#include <string>

#include "BoardGenerator.h"
#include "model/Pcb.h"

namespace {

bool WriteAll(const std::string& FileName, const std::string& Bytes) {
  std::ofstream F(FileName, std::ios::binary | std::ios::trunc);
  F.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  return static_cast<bool>(F);
}

}  // namespace

int main(int Argc, char** Argv) {
  long long Records = 0;
  if (Argc < 3 || Argc > 4 ||
      std::from_chars(Argv[1], Argv[1] + std::char_traits<char>::length(Argv[1]), Records).ec !=
          std::errc() ||
      Records < 0) {
    std::fprintf(stderr, "usage: quillon-make-board RECORDS OUT.plt [PINS.txt]\n");
    return 2;
  }
  quillon::TPcb Pcb;
  quillon::bench::GenerateBoard(Pcb, Records);
  if (!WriteAll(Argv[2], quillon::bench::PlotFileBytes(Pcb))) {
    std::fprintf(stderr, "quillon-make-board: cannot write %s\n", Argv[2]);
    return 1;
  }
  if (Argc == 4 && !WriteAll(Argv[3], quillon::bench::BenchPinDescription())) {
    std::fprintf(stderr, "quillon-make-board: cannot write %s\n", Argv[3]);
    return 1;
  }
  return 0;
}
