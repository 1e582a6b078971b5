// SPDX-License-Identifier: MIT
#include "cli/OptionValues.h"

#include <CLI/CLI.hpp>
#include <string>

namespace quillon::cli {

namespace {

CLI::Validator NotAnOption() {
  return CLI::Validator(
      [](std::string& Value) -> std::string {
        // "-" alone is a value: the usual name of standard input or output.
        if (Value.size() < 2 || Value.front() != '-') return {};
        if (Value.starts_with("--")) return "expected a value, got the option \"" + Value + "\"";
        return "expected a value, got \"" + Value +
               "\" (a file whose name starts with \"-\" is written ./" + Value + ")";
      },
      "");
}

}  // namespace

void RefuseOptionsAsValues(CLI::App& App) {
  for (CLI::App* Sub : App.get_subcommands([](CLI::App*) { return true; }))
    for (CLI::Option* Option : Sub->get_options())
      if (Option->nonpositional() && Option->get_items_expected_min() > 0)
        Option->check(NotAnOption());
}

}  // namespace quillon::cli
