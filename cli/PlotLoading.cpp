// SPDX-License-Identifier: MIT
#include "cli/PlotLoading.h"

#include <exception>
#include <iostream>
#include <new>

#include "model/Pcb.h"
#include "model/PlotError.h"
#include "text/NumberFormat.h"

namespace quillon::cli {

namespace {

void Report(const std::string& FileName, const std::string& Text) {
  std::cerr << "quillon-cli: " << FileName << ": " << Text << '\n';
}

}  // namespace

std::optional<bool> LoadPlotFile(TPcb& Pcb, const std::string& FileName) {
  bool Result = false;
  try {
    Result = Pcb.LoadFromFile(FileName);
  } catch (const TPlotError& E) {
    std::string Text = E.what();
    if (E.Offset >= 0) Text += " (offset " + fmt::Int(E.Offset) + ")";
    Report(FileName, Text);
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    throw;  // reported once, at the top
  } catch (const std::exception& E) {
    Report(FileName, E.what());
    return std::nullopt;
  }
  if (Result) return true;
  // A false result without unrecognised tags is a bad signature: the reader
  // has already said so in its own words.
  if (Pcb.UnknownTagCount == 0) {
    Report(FileName, "not a plot file (wrong signature)");
    return std::nullopt;
  }
  Report(FileName, "warning: " + fmt::Int(Pcb.UnknownTagCount) +
                       (Pcb.UnknownTagCount == 1 ? " unrecognised tag" : " unrecognised tags") +
                       " skipped");
  return false;
}

}  // namespace quillon::cli
