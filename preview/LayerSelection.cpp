// SPDX-License-Identifier: MIT
#include "preview/LayerSelection.h"

#include <algorithm>

#include "preview/TextEncoding.h"
#include "text/AsciiCase.h"

namespace quillon::preview {

namespace {

std::string_view Trimmed(std::string_view S) {
  while (!S.empty() && (S.front() == ' ' || S.front() == '\t')) S.remove_prefix(1);
  while (!S.empty() && (S.back() == ' ' || S.back() == '\t')) S.remove_suffix(1);
  return S;
}

bool AllDigits(std::string_view S) {
  return !S.empty() && std::all_of(S.begin(), S.end(), [](char C) { return C >= '0' && C <= '9'; });
}

int FindByName(const TPcb& Board, std::string_view Name) {
  const std::string Wanted = UpperAscii(Name);
  for (int L = 0; L < Board.Layers.Count(); ++L) {
    const std::string& Own = Board.Layers.Items(L).Name;
    if (UpperAscii(Own) == Wanted || UpperAscii(Utf8FromCp1251(Own)) == Wanted) return L;
  }
  return -1;
}

std::string LayerNames(const TPcb& Board) {
  std::string Names;
  for (int L = 0; L < Board.Layers.Count(); ++L) {
    if (L > 0) Names += ", ";
    Names += std::to_string(L) + " " + Utf8FromCp1251(Board.Layers.Items(L).Name);
  }
  return Names.empty() ? "none" : Names;
}

}  // namespace

bool SelectLayers(const TPcb& Board, std::string_view List, std::vector<int>& Layers,
                  std::string& Error) {
  Layers.clear();
  std::size_t Start = 0;
  while (Start <= List.size()) {
    const std::size_t Comma = std::min(List.find(',', Start), List.size());
    const std::string_view Entry = Trimmed(List.substr(Start, Comma - Start));
    Start = Comma + 1;
    int L = -1;
    if (Entry.empty()) {
      Error = "an empty entry in the layer list";
      return false;
    }
    if (AllDigits(Entry)) {
      // Any index with more digits than a layer count has is beyond the board.
      L = Entry.size() <= 6 ? std::stoi(std::string(Entry)) : Board.Layers.Count();
      if (L >= Board.Layers.Count()) {
        Error =
            "no layer with index " + std::string(Entry) + " (layers: " + LayerNames(Board) + ")";
        return false;
      }
    } else if ((L = FindByName(Board, Entry)) < 0) {
      Error = "no layer named '" + std::string(Entry) + "' (layers: " + LayerNames(Board) + ")";
      return false;
    }
    if (std::find(Layers.begin(), Layers.end(), L) == Layers.end()) Layers.push_back(L);
  }
  return true;
}

}  // namespace quillon::preview
