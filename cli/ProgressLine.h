// SPDX-License-Identifier: MIT
#pragma once
// The one line a batch keeps rewriting on a terminal: boards done of all,
// the board being converted, plot megabytes per second and the time left.
// Not on a terminal, a batch prints plain lines instead (BatchConvert.cpp).

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace quillon::cli {

// "[3/120] board.plt  12.5 MB/s  0:42 left", cut to Width columns. A
// negative SecondsLeft is not known yet ("--:--").
std::string ProgressText(int Done, int Total, std::string_view Current, double MBytesPerSecond,
                         double SecondsLeft, std::size_t Width);

class TProgressLine {
 public:
  TProgressLine(std::ostream& Out, int Total, std::uint64_t TotalBytes);
  void Started(std::string_view Board);
  void Finished(std::uint64_t BoardBytes);
  // Rewrites the line (at most a few times a second unless Force).
  void Draw(bool Force = false);
  // Takes the line away, so that other text can be written in its place.
  void Erase();

 private:
  using TClock = std::chrono::steady_clock;
  std::ostream& Out;
  int Total;
  int Done = 0;
  std::uint64_t TotalBytes;
  std::uint64_t DoneBytes = 0;
  std::string Current;
  TClock::time_point Start = TClock::now();
  TClock::time_point LastDraw{};
  std::size_t Shown = 0;  // columns of the line now on the terminal
};

}  // namespace quillon::cli
