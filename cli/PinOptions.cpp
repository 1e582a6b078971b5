// SPDX-License-Identifier: MIT
#include "cli/PinOptions.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "pins/DescriptionFile.h"
#include "pins/Pins.h"
#include "text/CodePage.h"
#include "text/NumberFormat.h"
#include "text/TextLines.h"

namespace quillon::cli {

namespace {

using TNames = std::vector<std::pair<std::string, std::string>>;

// Names of the units, in the order of PinUnits; their index works as well.
const TNames& UnitNames() {
  static const TNames Names = {{"mm", "0"},     {"inch", "1"},  {"pinch", "2"}, {"net1.25", "3"},
                               {"mkm*10", "4"}, {"mkm10", "4"}, {"mil", "5"}};
  return Names;
}

const TNames& LayoutNames() {
  static const TNames Names = {{"hole-aper", "0"}, {"aper-hole", "1"}};
  return Names;
}

// The validators below have already turned the word into "0".."5".
std::uint8_t IndexOf(const std::string& Digit) {
  return static_cast<std::uint8_t>(Digit.empty() ? 0 : Digit.front() - '0');
}

void AddChoice(CLI::App& Sub, const std::string& Name, const std::string& TypeName,
               const TNames& Names, std::uint8_t& Target, const std::string& Help) {
  Sub.add_option_function<std::string>(
         Name, [&Target](const std::string& V) { Target = IndexOf(V); }, Help)
      ->transform(CLI::CheckedTransformer(Names, CLI::ignore_case).description(""))
      ->type_name(TypeName);
}

const char* SkipReason(TPinLineSkip Reason) {
  switch (Reason) {
    case TPinLineSkip::NotAPinLine:
      return "no pin list followed by a gap and a size; one blank is no gap";
    case TPinLineSkip::FirstSizeUnreadable:
      return "the first size is not one number";
    case TPinLineSkip::SecondSizeUnreadable:
      return "the second size is not one number";
    case TPinLineSkip::PinNumberTooLarge:
      return "a pin number is too large";
  }
  return "";
}

bool IsBlank(std::string_view Line) { return Line.find_first_not_of(" \t") == Line.npos; }

// "line 3 skipped (reason): text" on stderr for every skipped line that holds
// more than blanks.
void ReportSkipped(const TTextLines& Lines, const std::vector<TSkippedPinLine>& Skipped) {
  std::string Text;
  for (const TSkippedPinLine& S : Skipped) {
    const std::string_view Line = Lines[S.Line];
    if (IsBlank(Line)) continue;
    Text += "line ";
    fmt::AppendInt(Text, static_cast<std::int64_t>(S.Line) + 1);
    Text += " skipped (";
    Text += SkipReason(S.Reason);
    Text += "): ";
    Text.append(Line);
    Text += '\n';
  }
  std::fwrite(Text.data(), 1, Text.size(), stderr);
}

}  // namespace

void AddPinOptions(CLI::App& Sub, TPinOptions& Options) {
  AddChoice(Sub, "--layout", "LAYOUT", LayoutNames(), Options.Layout,
            "column order of the description: hole-aper (Pin# Hole Aper, the default) or "
            "aper-hole (Pin# Aper Hole)");
  AddChoice(Sub, "--hole-unit", "UNIT", UnitNames(), Options.HoleUnit,
            "unit of the hole sizes: mm (default), inch, pinch, net1.25, mkm*10, mil, or 0-5");
  AddChoice(Sub, "--aperture-unit", "UNIT", UnitNames(), Options.ApertureUnit,
            "unit of the pad sizes: mm (default), inch, pinch, net1.25, mkm*10, mil, or 0-5");
  Sub.add_flag("--oem", Options.Oem,
               "the description is in DOS code page 866: convert it to Windows-1251 first");
}

void LoadPins(const TPinOptions& Options, TPins& Pins) {
  std::string Text;
  try {
    Text = ReadDescriptionFile(Options.File);
  } catch (const TDescriptionFileError& E) {
    throw std::runtime_error("cannot read the pin description \"" + E.FileName + "\": " + E.Reason);
  }
  if (Options.Oem) Text = OemToAnsi(Text);
  const TTextLines Lines = TTextLines::FromText(Text);
  std::vector<TSkippedPinLine> Skipped;
  Pins.Clear();
  Pins.Parse(Lines, Options.Layout, Options.Verbose ? &Skipped : nullptr);
  Pins.SetUnits(Options.ApertureUnit, Options.HoleUnit);
  if (Options.Verbose) ReportSkipped(Lines, Skipped);
}

}  // namespace quillon::cli
