// SPDX-License-Identifier: MIT
#include "check/CheckReport.h"

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

void PrintCheckSummary(std::ostream& Out, const TCheckResult& Result) {
  for (const std::string& Note : Result.Notes) Out << "quillon-cli check: " << Note << '\n';
  int Passed = 0;
  for (const TFileResult& F : Result.Files) {
    if (F.Status == TFileStatus::Passed) {
      ++Passed;
      continue;
    }
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
  Out << "Check: " << Passed << " of " << Result.Files.size() << " files match at " << Result.Dpi
      << " dpi (tolerance " << Mm(Result.ToleranceMm) << " mm)\n";
}

}  // namespace quillon::check
