// SPDX-License-Identifier: MIT
#include "cli/ProgressLine.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <ostream>

namespace quillon::cli {

namespace {

std::size_t TerminalWidth() {
  winsize Size{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &Size) == 0 && Size.ws_col > 0) return Size.ws_col;
  return 80;
}

std::string Duration(double Seconds) {
  if (Seconds < 0) return "--:--";
  const long Total = static_cast<long>(Seconds + 0.5);
  char Text[32];
  if (Total >= 3600)
    std::snprintf(Text, sizeof Text, "%ld:%02ld:%02ld", Total / 3600, Total / 60 % 60, Total % 60);
  else
    std::snprintf(Text, sizeof Text, "%ld:%02ld", Total / 60, Total % 60);
  return Text;
}

}  // namespace

std::string ProgressText(int Done, int Total, std::string_view Current, double MBytesPerSecond,
                         double SecondsLeft, std::size_t Width) {
  char Head[64];
  std::snprintf(Head, sizeof Head, "[%d/%d] ", Done, Total);
  char Tail[64];
  std::snprintf(Tail, sizeof Tail, "  %.1f MB/s  %s left", MBytesPerSecond,
                Duration(SecondsLeft).c_str());
  std::string Line = Head;
  const std::size_t Fixed = Line.size() + std::string_view(Tail).size();
  // The board's name gives way first: its end is the part that tells boards apart.
  if (Fixed < Width) {
    const std::size_t Room = Width - Fixed;
    if (Current.size() > Room)
      Line.append(Room >= 3 ? "..." : "")
          .append(Current.substr(Current.size() - (Room >= 3 ? Room - 3 : 0)));
    else
      Line.append(Current);
  }
  Line += Tail;
  if (Line.size() > Width) Line.resize(Width);
  return Line;
}

TProgressLine::TProgressLine(std::ostream& Out, int Total, std::uint64_t TotalBytes)
    : Out(Out), Total(Total), TotalBytes(TotalBytes) {}

void TProgressLine::Started(std::string_view Board) {
  Current = Board;
  Draw();
}

void TProgressLine::Finished(std::uint64_t BoardBytes) {
  ++Done;
  DoneBytes += BoardBytes;
  Draw(true);
}

void TProgressLine::Draw(bool Force) {
  const TClock::time_point Now = TClock::now();
  if (!Force && Now - LastDraw < std::chrono::milliseconds(200)) return;
  LastDraw = Now;
  const double Seconds = std::chrono::duration<double>(Now - Start).count();
  const double Rate = Seconds > 0 ? static_cast<double>(DoneBytes) / Seconds : 0;
  const double Left =
      DoneBytes > 0 && Rate > 0 ? static_cast<double>(TotalBytes - DoneBytes) / Rate : -1;
  // One column short of the width: a full line would wrap on some terminals.
  const std::string Line =
      ProgressText(Done, Total, Current, Rate / 1e6, Left, TerminalWidth() - 1);
  Out << '\r' << Line;
  if (Line.size() < Shown) Out << std::string(Shown - Line.size(), ' ') << '\r' << Line;
  Out.flush();
  Shown = Line.size();
}

void TProgressLine::Erase() {
  if (Shown == 0) return;
  Out << '\r' << std::string(Shown, ' ') << '\r';
  Out.flush();
  Shown = 0;
}

}  // namespace quillon::cli
