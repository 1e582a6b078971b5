// SPDX-License-Identifier: MIT
#include "cli/BoardSummary.h"

#include <algorithm>
#include <array>
#include <vector>

#include "model/Pcb.h"
#include "text/NumberFormat.h"

namespace quillon::cli {

namespace {

constexpr std::array<const char*, 11> Headings = {"Index", "Name",       "Number",  "Attribute",
                                                  "Lines", "Rectangles", "Filled",  "Arcs",
                                                  "Texts", "Flashes",    "Polygons"};
constexpr std::size_t NameColumn = 1;

using Row = std::array<std::string, Headings.size()>;

Row LayerRow(const TPcb& Pcb, int Index, std::array<std::int64_t, 7>& Totals) {
  const TLayer& L = Pcb.Layers.Items(Index);
  std::array<std::int64_t, 7> Counts{};
  for (const TPcbLine& Line : L.Lines) {
    if (Line.Kind == kindRectangle)
      ++Counts[1];
    else if (Line.Kind == kindFilledRectangle)
      ++Counts[2];
    else
      ++Counts[0];
  }
  Counts[3] = L.Arcs.Count();
  Counts[4] = L.Texts.Count();
  Counts[5] = L.Flashes.Count();
  Counts[6] = L.Polygons.Count();
  Row R{fmt::Int(Index), PrintableBytes(L.Name), fmt::Int(L.Number), fmt::Int(L.Attribute)};
  for (std::size_t i = 0; i < Counts.size(); ++i) {
    R[4 + i] = fmt::Int(Counts[i]);
    Totals[i] += Counts[i];
  }
  return R;
}

// Numbers right-aligned, the name left-aligned, two blanks between columns.
void AppendTable(std::string& Out, const std::vector<Row>& Rows) {
  std::array<std::size_t, Headings.size()> Width{};
  for (const Row& R : Rows)
    for (std::size_t c = 0; c < R.size(); ++c) Width[c] = std::max(Width[c], R[c].size());
  for (const Row& R : Rows) {
    std::string Line;
    for (std::size_t c = 0; c < R.size(); ++c) {
      if (c) Line += "  ";
      const std::string Pad(Width[c] - R[c].size(), ' ');
      Line += c == NameColumn ? R[c] + Pad : Pad + R[c];
    }
    Line.erase(Line.find_last_not_of(' ') + 1);
    Out += Line + '\n';
  }
}

}  // namespace

std::string PrintableBytes(std::string_view Bytes) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string Out;
  for (char C : Bytes) {
    const auto B = static_cast<unsigned char>(C);
    if (B >= 0x20 && B < 0x7F && B != '\\') {
      Out.push_back(C);
    } else {
      Out += "\\x";
      Out.push_back(Hex[B >> 4]);
      Out.push_back(Hex[B & 15]);
    }
  }
  return Out;
}

std::string BoardSummary(const TPcb& Pcb, const std::string& FileName) {
  const TExtents& E = Pcb.Extents;
  std::string Out;
  Out += "File:     " + FileName + '\n';
  Out += "Version:  " + Pcb.Version + '\n';
  Out += "Extents:  " + fmt::Int(E.Left) + ", " + fmt::Int(E.Top) + ", " + fmt::Int(E.Right) +
         ", " + fmt::Int(E.Bottom) + " (left, top, right, bottom)\n";
  Out += "Scale:    " + fmt::Fixed(Pcb.Scale, 3) + '\n';
  Out += "Layers:   " + fmt::Int(Pcb.Layers.Count()) + "\n\n";

  std::vector<Row> Rows;
  Rows.push_back({});
  std::copy(Headings.begin(), Headings.end(), Rows.back().begin());
  std::array<std::int64_t, 7> Totals{};
  for (int i = 0; i < Pcb.Layers.Count(); ++i) Rows.push_back(LayerRow(Pcb, i, Totals));
  Row Total{"", "Total"};
  for (std::size_t i = 0; i < Totals.size(); ++i) Total[4 + i] = fmt::Int(Totals[i]);
  Rows.push_back(Total);
  AppendTable(Out, Rows);
  return Out;
}

}  // namespace quillon::cli
