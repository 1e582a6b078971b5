// SPDX-License-Identifier: MIT
#include "check/FileMatching.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace quillon::check {

namespace fs = std::filesystem;

namespace {

std::string Normal(const std::string& Path) { return fs::path(Path).lexically_normal().string(); }

// Main file names whose save would name Path: Path itself, and the main
// file of a drill or outline file named after it.
std::vector<std::string> MainNamesFor(const std::string& Path) {
  std::vector<std::string> Names{Path};
  const std::string Stem = StemOf(Path);
  for (const char* Suffix : {"-PTH", "-NPTH", "-outline"}) {
    const std::string S = Suffix;
    if (Stem.size() > S.size() && Stem.compare(Stem.size() - S.size(), S.size(), S) == 0)
      Names.push_back(Stem.substr(0, Stem.size() - S.size()) + ".txt");
  }
  Names.push_back(Stem + ".txt");
  return Names;
}

bool Drawn(const TOutputFile& F) {
  return F.Role == TOutputRole::Layer || F.Role == TOutputRole::Drill ||
         F.Role == TOutputRole::NonPlatedDrill || F.Role == TOutputRole::Outline;
}

}  // namespace

TFileMatch MatchOutputFiles(TScriptingPcb& Board, const std::vector<std::string>& Given) {
  const bool Folder = Given.size() == 1 && fs::is_directory(Given.front());
  std::set<std::string> Present;
  if (Folder) {
    std::error_code Ec;
    for (const fs::directory_entry& E : fs::directory_iterator(Given.front(), Ec))
      if (E.is_regular_file(Ec)) Present.insert(Normal(E.path().string()));
  } else {
    for (const std::string& G : Given) Present.insert(Normal(G));
  }
  std::vector<TOutputFile> Best;
  int BestScore = -1;
  for (const std::string& P : Present)
    for (const std::string& Main : MainNamesFor(P)) {
      Board.PrepareSave(Main);  // the job file names the files of that save
      std::vector<TOutputFile> Files = Board.OutputFiles(Main);
      int Score = 0;
      for (TOutputFile& F : Files) {
        F.Path = Normal(F.Path);
        Score += 2 * (Drawn(F) && Present.count(F.Path));
      }
      Score += Present.count(Normal(Main)) > 0;  // of two lists alike, the one whose main file is there
      // A main file named like one of its own layer files is no save's.
      if (std::count_if(Files.begin(), Files.end(), [&](const TOutputFile& F) {
            return F.Path == Normal(Main);
          }) > 1)
        continue;
      if (Score > BestScore) {
        BestScore = Score;
        Best = std::move(Files);
      }
    }
  TFileMatch Match;
  std::set<std::string> Used;
  for (const TOutputFile& F : Best) {
    Used.insert(F.Path);
    if (!Drawn(F) && F.Role != TOutputRole::Main) continue;
    if (Folder || Present.count(F.Path)) Match.Files.push_back(F);
  }
  for (const std::string& P : Present)
    if (!Used.count(P) && !Folder) Match.Strangers.push_back(P);
  return Match;
}

}  // namespace quillon::check
