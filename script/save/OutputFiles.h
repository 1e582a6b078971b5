// SPDX-License-Identifier: MIT
#pragma once
// The set of files one save writes, as a value: computed once from the
// conversion's outputs and the chosen file name, then checked, written and
// reported from the same list.

#include <string>
#include <string_view>
#include <vector>

#include "text/TextLines.h"

namespace quillon {

enum class TOutputRole : std::uint8_t {
  Main,            // the macro or script the user named
  Layer,           // one Gerber file per plot layer, beside the main file
  Drill,           // the Excellon file of the plated holes (fab profile)
  NonPlatedDrill,  // the Excellon file of the holes of pins without a pad
  Outline,         // the profile drawn from the header's extents
  Job,             // the job file listing the fab package
  Zip,             // the package as one archive: checked with the files, written after them
};

struct TOutputFile {
  std::string Path;
  TOutputRole Role = TOutputRole::Main;
  int Layer = -1;                     // the plot layer of a Layer file
  const TTextLines* Lines = nullptr;  // none for the zip archive
  // What ends each line: CR LF, except in a Genesis script for a Unix host.
  std::string_view LineEnd = "\r\n";
};

// The size of File on disk: its lines, each with its line end.
inline std::size_t FileBytes(const TOutputFile& File) {
  return File.Lines->TextBytes() +
         File.LineEnd.size() * static_cast<std::size_t>(File.Lines->Count());
}

// "main", "layer", "drill", "npth-drill", "outline", "job", "zip"
const char* OutputRoleName(TOutputRole Role);

// FileName without its extension (a leading dot starts a name, not an
// extension): the base of the names of the files beside it.
std::string StemOf(const std::string& FileName);

// Where the drill file of a save to FileName goes: FileName's base name with
// ".drl"; never FileName itself.
std::string DrillFileName(const std::string& FileName);

}  // namespace quillon
