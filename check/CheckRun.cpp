// SPDX-License-Identifier: MIT
#include "check/CheckRun.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
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

// What a file of the list is checked as.
struct TFileJob {
  std::size_t Index = 0;  // in the result
  const TOutputFile* File = nullptr;
  enum TKind { Layer, Drill, Outline } Kind = Layer;
  bool Plated = true;
  TLayerFileRules Rules;
  std::int64_t Bytes = 0;  // on disk
};

std::vector<TFileJob> JobsOf(const TScriptingPcb& Board, const std::vector<TOutputFile>& Files,
                             const TCheckOptions& Options) {
  std::vector<TFileJob> Jobs;
  for (const TOutputFile& F : Files) {
    TFileJob Job;
    Job.Index = Jobs.size();
    Job.File = &F;
    if (F.Role == TOutputRole::Layer) {
      const bool Fab = Board.FabPackageMade;
      Job.Rules = {F.Layer, Fab ? FabRoleOf(Board, F.Layer) : RoleOf(Board, F.Layer), Options.Items,
                   Fab && Options.FabFilesCarryTexts};
    } else if (F.Role == TOutputRole::Drill || F.Role == TOutputRole::NonPlatedDrill) {
      Job.Kind = TFileJob::Drill;
      Job.Plated = F.Role == TOutputRole::Drill;
    } else if (F.Role == TOutputRole::Outline) {
      Job.Kind = TFileJob::Outline;
    } else {
      continue;
    }
    struct stat St;
    if (stat(F.Path.c_str(), &St) == 0) Job.Bytes = St.st_size;
    Jobs.push_back(Job);
  }
  return Jobs;
}

std::string BaseName(const std::string& Path) {
  return std::filesystem::path(Path).filename().string();
}

// In the plot only red, in the file only blue, in both grey. The file's
// picture is decoded once more, row by row: most files pass, and those that
// do not need no copy of it kept.
void WriteDifferenceFromPng(const TRaster& Expected, const std::string& ReadPng,
                            const std::string& Path) {
  TPngRows Rows;
  if (!Rows.Open(ReadPng).empty()) return;
  std::vector<std::uint8_t> Read(static_cast<std::size_t>(Expected.Width), 0);
  const std::string Png =
      EncodePngRows(Expected.Width, Expected.Height, [&](int Y, std::uint8_t* Rgb) {
        if (!Rows.Next(Read.data()).empty()) std::fill(Read.begin(), Read.end(), 0);
        for (int X = 0; X < Expected.Width; ++X) {
          const bool E = Expected.Dark(X, Y), R = Read[static_cast<std::size_t>(X)] >= 128;
          const TRgb C = E && R ? TRgb{160, 160, 160}
                         : E    ? TRgb{220, 0, 0}
                         : R    ? TRgb{0, 0, 230}
                                : TRgb{255, 255, 255};
          std::memcpy(Rgb + static_cast<std::size_t>(X) * 3, C.data(), 3);
        }
      });
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  Out.write(Png.data(), static_cast<std::streamsize>(Png.size()));
}

struct TRunContext {
  const TScriptingPcb& Board;
  const TCheckOptions& Options;
  TWindow View;
  int Dpi;
  double TolerancePx;
  std::string Work;
};

// A picture of View, cleared; its memory is kept from file to file.
void Blank(TRaster& Picture, const TWindow& View) {
  if (Picture.Width == View.Width && Picture.Height == View.Height)
    std::fill(Picture.Px.begin(), Picture.Px.end(), 0);
  else
    Picture = TRaster(View.Width, View.Height);
}

void DrawExpected(const TRunContext& C, const TFileJob& Job, const TWindow& View, TRaster& Expected,
                  TRaster& Ignore) {
  Blank(Expected, View);
  Ignore = TRaster();
  switch (Job.Kind) {
    case TFileJob::Layer:
      DrawExpectedLayer(C.Board, Job.Rules, View, Expected, Ignore);
      break;
    case TFileJob::Drill:
      DrawExpectedDrill(C.Board, Job.Plated, C.Options.Items, View, Expected, Ignore);
      break;
    case TFileJob::Outline:
      DrawExpectedOutline(C.Board, View, Expected);
      break;
  }
}

// Compares the file's picture, decoded row by row, with the expected one.
std::string Compare(const std::string& Png, const TRaster& Expected, const TRaster& Ignore,
                    TComparison& Result) {
  TPngRows Rows;
  if (std::string Error = Rows.Open(Png); !Error.empty()) return Error;
  if (Rows.Width() != Expected.Width || Rows.Height() != Expected.Height)
    return "a size other than the window's";  // not after DrawExpected at its size
  TRowComparison Cmp(Expected.Width);
  std::vector<std::uint8_t> Row(static_cast<std::size_t>(Expected.Width));
  const bool Ignoring = !Ignore.Px.empty();
  for (int Y = 0; Y < Expected.Height; ++Y) {
    if (std::string Error = Rows.Next(Row.data()); !Error.empty()) return Error;
    const std::size_t At = static_cast<std::size_t>(Y) * Expected.Width;
    Cmp.AddRow(&Expected.Px[At], Row.data(), Ignoring ? &Ignore.Px[At] : nullptr);
  }
  Result = Cmp.Finish();
  return {};
}

// The pictures a worker draws into, kept from file to file.
struct TWorkerPictures {
  TRaster Expected, Ignore;
};

TFileResult CheckOne(const TRunContext& C, const TFileJob& Job, TWorkerPictures& Pictures) {
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
  // The reader draws the file while the plot's picture is drawn here.
  TReading Reading(R.Path, C.View, C.Dpi, C.Work, C.Options.Reader);
  TWindow View = C.View;
  DrawExpected(C, Job, View, Pictures.Expected, Pictures.Ignore);
  const TReadBack Back = Reading.Finish(C.Options.TimeLimitSeconds);
  if (Back.Status != TReadBack::Read) {
    R.Status = Back.Status == TReadBack::TimedOut ? TFileStatus::TimedOut : TFileStatus::Unreadable;
    R.Message = Back.Message;
    return R;
  }
  if (TPngRows Size;
      Size.Open(Back.Png).empty() && (Size.Width() != View.Width || Size.Height() != View.Height)) {
    // The reader rounded the window otherwise: its picture's lower left
    // corner is still the window's.
    View.Width = Size.Width();
    View.Height = Size.Height();
    DrawExpected(C, Job, View, Pictures.Expected, Pictures.Ignore);
  }
  TComparison Cmp;
  if (std::string Error = Compare(Back.Png, Pictures.Expected, Pictures.Ignore, Cmp);
      !Error.empty()) {
    R.Status = TFileStatus::Unreadable;
    R.Message = "gerbv's picture has " + Error;
    return R;
  }
  R.AreaMm2 = static_cast<double>(Cmp.Pixels) / (View.PxPerMm * View.PxPerMm);
  R.BlobCount = Cmp.BlobCount;
  for (const TBlob& B : Cmp.Blobs) R.Boxes.push_back(B.BoxMm(View));
  const bool Differs = !Cmp.Blobs.empty() && Cmp.Blobs.front().Across() > C.TolerancePx;
  R.Status = Differs ? TFileStatus::Differs : TFileStatus::Passed;
  if (Differs && !C.Options.PictureFolder.empty()) {
    R.Picture = C.Options.PictureFolder + "/" + BaseName(R.Path) + ".diff.png";
    WriteDifferenceFromPng(Pictures.Expected, Back.Png, R.Picture);
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

  std::vector<TFileJob> Jobs = JobsOf(Board, Files, Options);
  // Every file stays cancelled until a worker has checked it.
  Result.Files.reserve(Jobs.size());
  for (const TFileJob& Job : Jobs)
    Result.Files.push_back(NotChecked(Job, TFileStatus::Cancelled, "not checked: cancelled"));
  // The biggest files first, so that no worker is left alone with one at the
  // end while the others wait.
  std::stable_sort(Jobs.begin(), Jobs.end(),
                   [](const TFileJob& A, const TFileJob& B) { return A.Bytes > B.Bytes; });
  std::atomic<std::size_t> Next{0};
  std::atomic<bool> Stop{false};
  std::mutex Told;  // the progress callback is called one at a time
  int Done = 0;
  const int Total = static_cast<int>(
      Jobs.size() + std::count_if(Files.begin(), Files.end(), [](const TOutputFile& F) {
        return F.Role == TOutputRole::Main;
      }));
  auto Worker = [&] {
    TWorkerPictures Pictures;
    for (std::size_t I = Next++; I < Jobs.size() && !Stop; I = Next++) {
      TFileResult& F = Result.Files[Jobs[I].Index];
      try {
        F = CheckOne(C, Jobs[I], Pictures);
      } catch (const std::exception& E) {
        // Out of memory for one picture: the other files are still checked.
        Pictures = TWorkerPictures();
        F = NotChecked(Jobs[I], TFileStatus::Unreadable, std::string("not compared: ") + E.what());
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
