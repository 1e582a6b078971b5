// SPDX-License-Identifier: MIT
#pragma once
// Checks written files against the plot they were converted from: each
// Gerber layer file and each drill file is read back by an independent reader
// and compared, picture against picture, with what it should draw. Files are
// checked side by side.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "check/GerbvReader.h"
#include "check/Raster.h"
#include "script/ScriptPcb.h"

namespace quillon::check {

inline constexpr int DefaultDpi = 1000;
// One picture stays below this many bytes (the reader keeps four a pixel).
inline constexpr std::uint64_t MaxPictureBytes = 256ull << 20;
inline constexpr int DefaultTolerancePx = 2;

struct TCheckOptions {
  int Dpi = DefaultDpi;
  std::optional<double> ToleranceMm;  // none: DefaultTolerancePx at the resolution used
  double TimeLimitSeconds = 120;      // for reading one file
  int Jobs = 0;                       // files read at once; 0: one per processor
  std::string PictureFolder;          // where difference pictures go; none when empty
  std::uint8_t Items = coAll;         // the item switches of the conversion
  // Whether the fab profile's layer files draw the layers' texts.
  bool FabFilesCarryTexts = true;
  std::string Reader = GerbvProgram;
  // Told after each file is done, one call at a time, from any thread;
  // returning false stops the check: the files not started yet are reported
  // cancelled and the result is cut short. Files being read are finished.
  std::function<bool(int Done, int Total)> Progress;
};

enum class TFileStatus : std::uint8_t { Passed, Differs, Unreadable, Missing, TimedOut, Cancelled };
const char* FileStatusName(TFileStatus Status);  // "passed", "differs", ...

struct TFileResult {
  std::string Path;
  std::string Role;    // "layer", "drill", ... as the save names it
  int Layer = -1;
  std::string Reader;  // "gerbv", or "quillon" for our own reader
  TFileStatus Status = TFileStatus::Passed;
  std::string Message;
  double AreaMm2 = 0;
  std::vector<preview::TBoxMm> Boxes;  // the largest difference first
  std::int64_t BlobCount = 0;
  std::string Picture;                 // the difference picture, when written
};

struct TCheckResult {
  int Dpi = DefaultDpi;
  double ToleranceMm = 0;
  preview::TBoxMm Window;
  std::vector<std::string> Notes;
  std::vector<TFileResult> Files;
  bool CutShort = false;  // stopped by the progress callback before every file was checked
  bool Passed() const;
};

// The resolution to use for Window at Wanted dpi so that one picture stays
// within MaxPictureBytes.
int CappedDpi(const preview::TBoxMm& Window, int Wanted);

// Writes the picture of a difference: in the plot only red, in the file only
// blue, in both grey.
void WriteDifferencePicture(const TRaster& Expected, const TRaster& Read, const std::string& Path);

// Checks the files of Files (the output list of a save of Board) that the
// check covers; a file not on disk is reported missing.
TCheckResult CheckOutputFiles(const TScriptingPcb& Board, const std::vector<TOutputFile>& Files,
                              const TCheckOptions& Options);

}  // namespace quillon::check
