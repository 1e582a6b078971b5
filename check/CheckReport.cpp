// SPDX-License-Identifier: MIT
#include "check/CheckReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace quillon::check {

namespace {

double Rounded(double V) { return std::round(V * 1000) / 1000; }

nlohmann::ordered_json BoxJson(const preview::TBoxMm& B) {
  return {{"left", Rounded(B.Left)},
          {"bottom", Rounded(B.Bottom)},
          {"right", Rounded(B.Right)},
          {"top", Rounded(B.Top)}};
}

std::string Mm(double V) {
  char Text[32];
  std::snprintf(Text, sizeof Text, "%.3f", V);
  return Text;
}

}  // namespace

std::string CheckReportJson(const TCheckResult& Result) {
  nlohmann::ordered_json J;
  J["passed"] = Result.Passed();
  J["dpi"] = Result.Dpi;
  J["tolerance_mm"] = Rounded(Result.ToleranceMm);
  J["window_mm"] = BoxJson(Result.Window);
  J["notes"] = Result.Notes;
  nlohmann::ordered_json Files = nlohmann::ordered_json::array();
  for (const TFileResult& F : Result.Files) {
    nlohmann::ordered_json E;
    E["file"] = F.Path;
    E["role"] = F.Role;
    if (F.Layer >= 0) E["layer"] = F.Layer;
    E["read_by"] = F.Reader;
    E["status"] = FileStatusName(F.Status);
    E["passed"] = F.Status == TFileStatus::Passed;
    if (!F.Message.empty()) E["message"] = F.Message;
    E["difference_mm2"] = Rounded(F.AreaMm2);
    E["differences"] = F.BlobCount;
    nlohmann::ordered_json Boxes = nlohmann::ordered_json::array();
    for (const preview::TBoxMm& B : F.Boxes) Boxes.push_back(BoxJson(B));
    E["boxes_mm"] = Boxes;
    if (!F.Picture.empty()) E["picture"] = F.Picture;
    Files.push_back(E);
  }
  J["files"] = Files;
  return J.dump(2) + "\n";
}

namespace {

// Which of two results a file's verdict takes: the one that says most.
int Severity(TFileStatus Status) {
  switch (Status) {
    case TFileStatus::Passed: return 0;
    case TFileStatus::Cancelled: return 1;
    case TFileStatus::Differs: return 2;
    case TFileStatus::TimedOut: return 3;
    case TFileStatus::Missing: return 4;
    case TFileStatus::Unreadable: return 5;
  }
  return 0;
}

bool IsMain(const TFileResult& R) { return R.Role == OutputRoleName(TOutputRole::Main); }

}  // namespace

std::vector<TFileVerdict> VerdictsByFile(const TCheckResult& Result) {
  std::vector<TFileVerdict> Verdicts;
  for (const TFileResult& R : Result.Files) {
    const int Layer = IsMain(R) ? -1 : R.Layer;
    auto Found = std::find_if(Verdicts.begin(), Verdicts.end(), [&](const TFileVerdict& V) {
      return V.Path == R.Path && V.Role == R.Role && V.Layer == Layer;
    });
    if (Found == Verdicts.end()) {
      Verdicts.push_back({R.Path, R.Role, Layer, TFileStatus::Passed, 0, R.Reader, {}});
      Found = Verdicts.end() - 1;
    }
    Found->AreaMm2 += R.AreaMm2;
    if (Severity(R.Status) > Severity(Found->Status)) Found->Status = R.Status;
    if (R.Status != TFileStatus::Passed && !R.Message.empty())
      Found->Message += (Found->Message.empty() ? "" : "\n") + R.Message;
  }
  return Verdicts;
}

void PrintCheckSummary(std::ostream& Out, const TCheckResult& Result) {
  for (const std::string& Note : Result.Notes) Out << "quillon-cli check: " << Note << '\n';
  for (const TFileResult& F : Result.Files) {
    if (F.Status == TFileStatus::Passed) continue;
    Out << F.Path << ": " << FileStatusName(F.Status);
    if (F.Status == TFileStatus::Differs) {
      Out << ", " << Mm(F.AreaMm2) << " mm2 in " << F.BlobCount << " place(s)";
      if (!F.Boxes.empty()) {
        const preview::TBoxMm& B = F.Boxes.front();
        Out << ", the largest from (" << Mm(B.Left) << ", " << Mm(B.Bottom) << ") to ("
            << Mm(B.Right) << ", " << Mm(B.Top) << ") mm";
      }
      if (!F.Picture.empty()) Out << "; see " << F.Picture;
    }
    if (!F.Message.empty()) Out << ": " << F.Message;
    Out << " (read by " << F.Reader << ")\n";
  }
  const std::vector<TFileVerdict> Verdicts = VerdictsByFile(Result);
  const auto Matching = std::count_if(Verdicts.begin(), Verdicts.end(), [](const TFileVerdict& V) {
    return V.Status == TFileStatus::Passed;
  });
  Out << "Check: " << Matching << " of " << Verdicts.size() << " files match at " << Result.Dpi
      << " dpi (tolerance " << Mm(Result.ToleranceMm) << " mm)\n";
}

}  // namespace quillon::check
