// SPDX-License-Identifier: MIT
#include "check/CheckRun.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "check/Compare.h"
#include "check/ExpectedDrawing.h"
#include "check/Png.h"
#include "check/scripts/ScriptCheck.h"

namespace quillon::check {

using preview::TBoxMm;

const char* FileStatusName(TFileStatus Status) {
  switch (Status) {
    case TFileStatus::Passed: return "passed";
    case TFileStatus::Differs: return "differs";
    case TFileStatus::Unreadable: return "unreadable";
    case TFileStatus::Missing: return "missing";
    case TFileStatus::TimedOut: return "timed out";
    case TFileStatus::Cancelled: return "cancelled";
  }
  return "passed";
}

bool TCheckResult::Passed() const {
  return std::all_of(Files.begin(), Files.end(),
                     [](const TFileResult& F) { return F.Status == TFileStatus::Passed; });
}

namespace {

constexpr double MmPerInch = 25.4;

std::uint64_t PixelsAt(const TBoxMm& Window, double Dpi) {
  const double K = Dpi / MmPerInch;
  return static_cast<std::uint64_t>(std::ceil(Window.Width() * K) + 2) *
         static_cast<std::uint64_t>(std::ceil(Window.Height() * K) + 2);
}

// What a file of the list is checked as; nullopt: not a drawing we check.
struct TFileJob {
  const TOutputFile* File = nullptr;
  bool Drill = false;
  bool Plated = true;
  TLayerFileRules Rules;
};

std::vector<TFileJob> JobsOf(const TScriptingPcb& Board, const std::vector<TOutputFile>& Files,
                             const TCheckOptions& Options) {
  std::vector<TFileJob> Jobs;
  for (const TOutputFile& F : Files) {
    TFileJob Job;
    Job.File = &F;
    if (F.Role == TOutputRole::Layer) {
      const bool Fab = Board.FabPackageMade;
      Job.Rules = {F.Layer, Fab ? FabRoleOf(Board, F.Layer) : RoleOf(Board, F.Layer), Options.Items,
                   Fab && Options.FabFilesCarryTexts};
    } else if (F.Role == TOutputRole::Drill || F.Role == TOutputRole::NonPlatedDrill) {
      Job.Drill = true;
      Job.Plated = F.Role == TOutputRole::Drill;
    } else {
      continue;
    }
    Jobs.push_back(Job);
  }
  return Jobs;
}

std::string BaseName(const std::string& Path) {
  return std::filesystem::path(Path).filename().string();
}


struct TRunContext {
  const TScriptingPcb& Board;
  const TCheckOptions& Options;
  TWindow View;
  int Dpi;
  double TolerancePx;
  std::string Work;
};

TFileResult CheckOne(const TRunContext& C, const TFileJob& Job) {
  TFileResult R;
  R.Path = Job.File->Path;
  R.Role = OutputRoleName(Job.File->Role);
  R.Layer = Job.File->Layer;
  R.Reader = "gerbv";
  struct stat St;
  if (stat(R.Path.c_str(), &St) != 0) {
    R.Status = TFileStatus::Missing;
    R.Message = "no such file";
    return R;
  }
  TReadBack Back = ReadBack(R.Path, C.View, C.Dpi, C.Options.TimeLimitSeconds, C.Work,
                            C.Options.Reader);
  if (Back.Status != TReadBack::Read) {
    R.Status = Back.Status == TReadBack::TimedOut ? TFileStatus::TimedOut : TFileStatus::Unreadable;
    R.Message = Back.Message;
    return R;
  }
  TWindow View = C.View;
  View.Width = Back.Picture.Width;
  View.Height = Back.Picture.Height;
  TRaster Expected(View.Width, View.Height), Ignore(View.Width, View.Height);
  if (Job.Drill)
    DrawExpectedDrill(C.Board, Job.Plated, C.Options.Items, View, Expected, Ignore);
  else
    DrawExpectedLayer(C.Board, Job.Rules, View, Expected, Ignore);
  const TComparison Cmp = ComparePictures(Expected, Back.Picture, Ignore);
  R.AreaMm2 = static_cast<double>(Cmp.Pixels) / (View.PxPerMm * View.PxPerMm);
  R.BlobCount = Cmp.BlobCount;
  for (const TBlob& B : Cmp.Blobs) R.Boxes.push_back(B.BoxMm(View));
  const bool Differs = !Cmp.Blobs.empty() && Cmp.Blobs.front().Across() > C.TolerancePx;
  R.Status = Differs ? TFileStatus::Differs : TFileStatus::Passed;
  if (Differs && !C.Options.PictureFolder.empty()) {
    R.Picture = C.Options.PictureFolder + "/" + BaseName(R.Path) + ".diff.png";
    WriteDifferencePicture(Expected, Back.Picture, R.Picture);
  }
  return R;
}

TFileResult NotChecked(const TFileJob& Job, TFileStatus Status, std::string Message) {
  TFileResult R;
  R.Path = Job.File->Path;
  R.Role = OutputRoleName(Job.File->Role);
  R.Layer = Job.File->Layer;
  R.Reader = "gerbv";
  R.Status = Status;
  R.Message = std::move(Message);
  return R;
}

std::string MakeWorkFolder() {
  const char* Tmp = std::getenv("TMPDIR");
  std::string Template = std::string(Tmp && *Tmp ? Tmp : "/tmp") + "/quillon-check-XXXXXX";
  if (!mkdtemp(Template.data())) return "/tmp";
  return Template;
}

}  // namespace

void WriteDifferencePicture(const TRaster& Expected, const TRaster& Read, const std::string& Path) {
  const std::string Png = EncodePng(Expected.Width, Expected.Height, [&](int X, int Y) -> TRgb {
    const bool E = Expected.Dark(X, Y), R = Read.Dark(X, Y);
    if (E && R) return {160, 160, 160};
    if (E) return {220, 0, 0};
    if (R) return {0, 0, 230};
    return {255, 255, 255};
  });
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  Out.write(Png.data(), static_cast<std::streamsize>(Png.size()));
}

int CappedDpi(const TBoxMm& Window, int Wanted) {
  const std::uint64_t MaxPixels = MaxPictureBytes / 4;
  int Dpi = std::max(1, Wanted);
  if (PixelsAt(Window, Dpi) <= MaxPixels) return Dpi;
  Dpi = static_cast<int>(Dpi * std::sqrt(double(MaxPixels) / double(PixelsAt(Window, Dpi))));
  while (Dpi > 1 && PixelsAt(Window, Dpi) > MaxPixels) --Dpi;
  return std::max(1, Dpi);
}

TCheckResult CheckOutputFiles(const TScriptingPcb& Board, const std::vector<TOutputFile>& Files,
                              const TCheckOptions& Options) {
  TCheckResult Result;
  TBoxMm Window = BoardExtent(Board);
  if (Window.Empty()) Window.Add({0, 0});
  // Room around the drawing, so that anything a file draws just beyond it
  // still shows.
  const double Margin = 1 + 0.02 * std::max(Window.Width(), Window.Height());
  Window.Add({Window.Left, Window.Bottom}, Margin);
  Window.Add({Window.Right, Window.Top}, Margin);
  // The window's corner on a thousandth of an inch, which the reader is
  // given exactly.
  Window.Left = std::floor(Window.Left / MmPerInch * 1000) / 1000 * MmPerInch;
  Window.Bottom = std::floor(Window.Bottom / MmPerInch * 1000) / 1000 * MmPerInch;
  Result.Window = Window;
  Result.Dpi = CappedDpi(Window, Options.Dpi);
  if (Result.Dpi < Options.Dpi)
    Result.Notes.push_back("resolution lowered from " + std::to_string(Options.Dpi) + " to " +
                           std::to_string(Result.Dpi) +
                           " dpi so that one picture stays below 256 MB");
  TRunContext C{Board, Options, {}, Result.Dpi, 0, MakeWorkFolder()};
  C.View.Left = Window.Left;
  C.View.Bottom = Window.Bottom;
  C.View.PxPerMm = Result.Dpi / MmPerInch;
  C.View.Width = static_cast<int>(std::ceil(Window.Width() * C.View.PxPerMm));
  C.View.Height = static_cast<int>(std::ceil(Window.Height() * C.View.PxPerMm));
  C.TolerancePx = Options.ToleranceMm ? *Options.ToleranceMm * C.View.PxPerMm : DefaultTolerancePx;
  Result.ToleranceMm = C.TolerancePx / C.View.PxPerMm;

  const std::vector<TFileJob> Jobs = JobsOf(Board, Files, Options);
  // Every file stays cancelled until a worker has checked it.
  Result.Files.reserve(Jobs.size());
  for (const TFileJob& Job : Jobs)
    Result.Files.push_back(NotChecked(Job, TFileStatus::Cancelled, "not checked: cancelled"));
  std::atomic<std::size_t> Next{0};
  std::atomic<bool> Stop{false};
  std::mutex Told;  // the progress callback is called one at a time
  int Done = 0;
  const int Total = static_cast<int>(
      Jobs.size() + std::count_if(Files.begin(), Files.end(), [](const TOutputFile& F) {
        return F.Role == TOutputRole::Main;
      }));
  auto Worker = [&] {
    for (std::size_t I = Next++; I < Jobs.size() && !Stop; I = Next++) {
      try {
        Result.Files[I] = CheckOne(C, Jobs[I]);
      } catch (const std::exception& E) {
        // Out of memory for one picture: the other files are still checked.
        Result.Files[I] = NotChecked(Jobs[I], TFileStatus::Unreadable,
                                     std::string("not compared: ") + E.what());
      }
      if (!Options.Progress) continue;
      const std::lock_guard Lock(Told);
      if (!Options.Progress(++Done, Total)) Stop = true;
    }
  };
  const unsigned Wanted = Options.Jobs > 0 ? static_cast<unsigned>(Options.Jobs)
                                           : std::max(1u, std::thread::hardware_concurrency());
  const unsigned Count = std::min<unsigned>(Wanted, static_cast<unsigned>(Jobs.size()));
  std::vector<std::thread> Threads;
  for (unsigned T = 1; T < Count; ++T) Threads.emplace_back(Worker);
  Worker();
  for (std::thread& T : Threads) T.join();
  rmdir(C.Work.c_str());
  // The main macro or script is read by our own reader, layer by layer.
  const bool Gerber = std::any_of(Files.begin(), Files.end(),
                                  [](const TOutputFile& F) { return F.Role == TOutputRole::Layer; });
  for (const TOutputFile& F : Files) {
    if (F.Role != TOutputRole::Main) continue;
    if (Stop) {
      TFileResult R;
      R.Path = F.Path;
      R.Role = OutputRoleName(F.Role);
      R.Reader = "quillon";
      R.Status = TFileStatus::Cancelled;
      R.Message = "not checked: cancelled";
      Result.Files.push_back(std::move(R));
      continue;
    }
    const scripts::TScriptCheck Script{Board, Options.Items, C.View, C.TolerancePx,
                                       Options.PictureFolder, Gerber};
    for (TFileResult& R : scripts::CheckScriptFile(Script, F)) Result.Files.push_back(std::move(R));
    if (Options.Progress && !Options.Progress(++Done, Total)) Stop = true;
  }
  Result.CutShort = Stop;
  return Result;
}

}  // namespace quillon::check
