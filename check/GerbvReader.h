// SPDX-License-Identifier: MIT
#pragma once
// Reads a Gerber or Excellon file back with gerbv, a reader of its own that
// board houses and hobbyists use: its command-line export draws the file
// into a PNG of a given window and resolution, white on black, without
// anti-aliasing.

#include <string>

#include "check/Raster.h"

namespace quillon::check {

struct TReadBack {
  enum TStatus { Read, Unreadable, TimedOut } Status = Read;
  std::string Message;  // what the reader said when it could not read the file
  TRaster Picture;      // decoded by ReadBack only
  std::string Png;      // the picture as the reader wrote it
};

// The reader's program name, looked up on PATH.
inline constexpr const char* GerbvProgram = "gerbv";
bool ReaderAvailable(const std::string& Program = GerbvProgram);

// Draws File over View at Dpi dots per inch. Work is a folder for the
// picture; the reader is stopped after TimeLimitSeconds.
TReadBack ReadBack(const std::string& File, const TWindow& View, int Dpi, double TimeLimitSeconds,
                   const std::string& Work, const std::string& Program = GerbvProgram);

// A reading under way: the reader runs while the caller draws what the file
// should hold.
class TReading {
 public:
  TReading(const std::string& File, const TWindow& View, int Dpi, const std::string& Work,
           const std::string& Program = GerbvProgram);
  ~TReading();
  TReading(const TReading&) = delete;
  TReading& operator=(const TReading&) = delete;
  // Waits for the picture, the reader stopped TimeLimitSeconds after it
  // started; the picture is left as PNG.
  TReadBack Finish(double TimeLimitSeconds);

 private:
  std::string Png, Said;  // the picture's file and the reader's output's
  int Pid = -1;
  std::string Failed;  // why the reader could not be started
  double Started = 0;
};

// The window argument that gives a picture of Columns x Rows pixels at Dpi.
std::string WindowInches(int Columns, int Rows, int Dpi);

}  // namespace quillon::check
