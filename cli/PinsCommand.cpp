// SPDX-License-Identifier: MIT
// quillon-cli pins: reads a pin description as the window's "Read" button
// does and shows the pin table, as text or as JSON.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/PinOptions.h"
#include "pins/Pins.h"

namespace quillon::cli {

namespace {

struct TPinsArgs {
  TPinOptions Pins;
  bool Json = false;
};

void Write(const std::string& Text) { std::fwrite(Text.data(), 1, Text.size(), stdout); }

// The table as columns two blanks apart: the numbers right-aligned, the
// shape names left-aligned, no blanks at the end of a line. An empty table
// shows one empty row under its titles, as the window's grid does.
std::string TextTable(const TPins& Pins) {
  std::vector<TPinRowTexts> Rows{TPins::TableHeader()};
  for (int I = 0; I <= Pins.High(); ++I) Rows.push_back(Pins.RowTexts(I));
  if (Rows.size() < 2) Rows.emplace_back();
  std::array<std::size_t, PinTableColumns> Width{};
  for (const TPinRowTexts& Row : Rows)
    for (std::size_t C = 0; C < Width.size(); ++C) Width[C] = std::max(Width[C], Row[C].size());
  std::string Out;
  for (const TPinRowTexts& Row : Rows) {
    for (std::size_t C = 0; C < Width.size(); ++C) {
      const std::string& Cell = Row[C];
      const std::size_t Pad = Width[C] - Cell.size();
      if (C > 0) Out += "  ";
      if (C + 1 < Width.size()) Out.append(Pad, ' ');
      Out += Cell;
    }
    Out.erase(Out.find_last_not_of(' ') + 1);
    Out += '\n';
  }
  return Out;
}

std::string JsonTable(const TPins& Pins) {
  nlohmann::ordered_json Rows = nlohmann::ordered_json::array();
  for (int I = 0; I <= Pins.High(); ++I) {
    const TPinRecord& Stored = Pins.Rows()[static_cast<std::size_t>(I)];
    const TPinRecord Mm = Pins.Get(I);
    Rows.push_back({{"PinNumber", Stored.PinNumber},
                    {"Hole", Stored.Hole},
                    {"Aperture", Stored.Aperture},
                    {"Shape", Stored.Shape},
                    {"HoleMM", Mm.Hole},
                    {"ApertureMM", Mm.Aperture}});
  }
  nlohmann::ordered_json Doc = {
      {"ApertureUnit", Pins.ApertureUnit()}, {"HoleUnit", Pins.HoleUnit()}, {"Rows", Rows}};
  return Doc.dump(2) + "\n";
}

int RunPins(const TPinsArgs& Args) {
  TPins Pins;
  try {
    LoadPins(Args.Pins, Pins);
  } catch (const std::runtime_error& E) {
    const std::string Message = std::string("quillon-cli: ") + E.what() + "\n";
    std::fwrite(Message.data(), 1, Message.size(), stderr);
    return ExitFailure;
  }
  if (Args.Json) {
    Write(JsonTable(Pins));
  } else {
    Write(TextTable(Pins));
  }
  return ExitOk;
}

}  // namespace

TCommand AddPinsCommand(CLI::App& App) {
  auto Args = std::make_shared<TPinsArgs>();
  CLI::App* Sub = App.add_subcommand(
      "pins", "Read a pin description and show the pin table it gives (sizes in millimetres).");
  Sub->add_option("DESCRIPTION", Args->Pins.File, "the pin description text file")->required();
  AddPinOptions(*Sub, Args->Pins);
  Sub->add_flag("--json", Args->Json,
                "print the table as JSON: the units and every row as stored and in millimetres");
  Sub->add_flag("--verbose", Args->Pins.Verbose,
                "list every skipped non-empty line, with its line number, on stderr");
  return {Sub, [Args] { return RunPins(*Args); }};
}

}  // namespace quillon::cli
