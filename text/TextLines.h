// SPDX-License-Identifier: MIT
#pragma once
// An ordered list of 8-bit text lines kept in one byte buffer with line end
// offsets: a big board makes millions of output lines, and one allocation per
// line would dominate a conversion.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "text/ByteBuffer.h"
#include "text/NumberFormat.h"

namespace quillon {

// Where a streaming TTextLines hands its lines: each chunk is whole lines,
// each followed by the list's line end, the way a save writes them.
class TLineSink {
 public:
  // Takes the bytes of Chunk, which must come back empty; it may come back
  // holding another buffer, which the list then fills.
  virtual void Take(TByteBuffer& Chunk) = 0;

 protected:
  ~TLineSink() = default;
};

class TTextLines {
 public:
  int Count() const { return static_cast<int>(Sink ? StreamedLines : Ends.size()); }
  bool Empty() const { return Count() == 0; }
  // Not on a streaming list: its lines are gone once handed on.
  std::string_view operator[](int Index) const;
  std::string_view Line(int Index) const { return (*this)[Index]; }

  // Drops the lines. A streaming list can drop only lines it has not handed
  // on yet: taking back what a file already holds is a logic_error.
  void Clear();
  void Add(std::string_view Text) {
    BeginLine();
    char* At = Buf.Room(Text.size() + MaxEolRoom);
    if (!Text.empty()) std::memcpy(At, Text.data(), Text.size());
    EndLine(At + Text.size());
  }
  void AddAll(const TTextLines& Other);
  // Lines of Text split at CR LF, LF or a lone CR; a final line end adds no
  // empty line.
  static TTextLines FromText(std::string_view Text);

  // Building a line in a string: append to the string Open() returns, then
  // Close() adds it. LineBuilder below builds in place, and is quicker.
  std::string& Open() {
    BeginLine();
    Pending.clear();
    return Pending;
  }
  void Close() {
    char* At = Buf.Room(Pending.size() + MaxEolRoom);
    if (!Pending.empty()) std::memcpy(At, Pending.data(), Pending.size());
    EndLine(At + Pending.size());
  }

  // Streaming: a list that only passes through. From now on complete lines
  // go to Sink, each followed by Eol (at most MaxEolRoom bytes), in chunks of
  // about StreamChunkBytes; the list keeps only their count and size, so its
  // memory no longer grows with the output. Lines already held are handed
  // on first. Another Sink, or null, ends streaming: lines not handed on yet
  // are dropped (Flush first to keep them), and with null the empty list
  // keeps its lines again. Writers do not notice: they keep adding lines.
  void StreamTo(TLineSink* NewSink, std::string_view Eol = "\r\n");
  bool Streaming() const { return Sink != nullptr; }
  // Hands on the lines a streaming list still holds (nothing otherwise).
  void Flush();
  static constexpr std::size_t StreamChunkBytes = std::size_t{1} << 20;

  // Total bytes of the line texts, without line ends.
  std::size_t TextBytes() const {
    return Sink ? HandedBytes + Buf.Size() - std::size_t{EolSize} * StreamedLines : Buf.Size();
  }
  // The lines joined, each followed by Eol. Not on a streaming list.
  std::string Join(std::string_view Eol = "\r\n") const;
  // Does nothing on a streaming list: it never holds more than a chunk.
  void Reserve(std::size_t Lines, std::size_t Bytes);

  bool operator==(const TTextLines& Other) const {
    return Buf == Other.Buf && Ends == Other.Ends && StreamedLines == Other.StreamedLines &&
           HandedBytes == Other.HandedBytes;
  }

 private:
  friend class LineBuilder;
  // Room a line's writer leaves after its text for a streaming list's line end.
  static constexpr std::size_t MaxEolRoom = 8;

  // Before a line is written: a streaming list hands its full chunk on here,
  // never when the line ends, since that runs in LineBuilder's destructor,
  // which must not throw a write error.
  void BeginLine() {
    if (Sink && Buf.Size() >= StreamChunkBytes) Flush();
  }
  // Ends the line written in the buffer's room up to End, with MaxEolRoom
  // bytes of room after it.
  void EndLine(char* End) {
    if (Sink) {
      std::memcpy(End, Eol, MaxEolRoom);  // a fixed size: no call
      Buf.KeepTo(End + EolSize);
      ++StreamedLines;
    } else {
      Buf.KeepTo(End);
      Ends.push_back(Buf.Size());
    }
  }
  void RequireLines(const char* What) const;

  TByteBuffer Buf;                // streaming: the lines not handed on yet, with their line ends
  std::vector<std::size_t> Ends;  // unused while streaming
  std::string Pending;            // the line Open() gave out
  TLineSink* Sink = nullptr;
  char Eol[MaxEolRoom] = {'\r', '\n'};  // a streaming list's line end
  std::uint8_t EolSize = 2;
  std::size_t StreamedLines = 0;  // every line added while streaming
  std::size_t HandedBytes = 0;    // bytes already given to Sink
};

// Typed number pieces for LineBuilder.
struct Fix {  // fixed point: Decimals digits, right-aligned to Width
  double Value;
  int Decimals;
  int Width;
};
inline Fix F42(double V) { return {V, 2, 4}; }  // "%4.2f"
inline Fix F24(double V) { return {V, 4, 2}; }  // "%2.4f"
inline Fix F00(double V) { return {V, 0, 0}; }  // "%0.0f"
struct PaddedInt {                              // "%<Width>.<Precision>d"
  std::int64_t Value;
  int Width;
  int Precision;
};

// Appends one line to a TTextLines: pieces are streamed in, the line ends
// when the builder goes out of scope.
//   LineBuilder(Out) << "axy@ " << F42(x) << ',' << F42(y);
// The pieces are written straight into the list's buffer: a big board makes
// millions of lines of a few short pieces each. The text pieces are always
// inlined, so that the length of a literal is known when compiling.
class LineBuilder {
 public:
  explicit LineBuilder(TTextLines& Lines) : Lines(Lines) {
    Lines.BeginLine();
    P = Lines.Buf.Room(Room + TTextLines::MaxEolRoom);
    Limit = P + Room;
  }
  // Ending a line can fail to allocate, which must reach the caller as
  // std::bad_alloc. While an exception (such as a failed allocation)
  // unwinds, the half-built line is dropped instead: it was never kept, and
  // a second exception would end the program. (So is a line built in a
  // destructor that runs during unwinding: asking at construction as well
  // would cost every line a second look at the exception state.)
  ~LineBuilder() noexcept(false) {
    if (std::uncaught_exceptions() == 0) Lines.EndLine(P);
  }
  LineBuilder(const LineBuilder&) = delete;
  LineBuilder& operator=(const LineBuilder&) = delete;

  [[gnu::always_inline]] LineBuilder& operator<<(std::string_view S) {
    if (S.size() > Left()) Spill(S.size());
    if (!S.empty()) std::memcpy(P, S.data(), S.size());
    P += S.size();
    return *this;
  }
  [[gnu::always_inline]] LineBuilder& operator<<(const char* S) {
    return *this << std::string_view(S);
  }
  [[gnu::always_inline]] LineBuilder& operator<<(const std::string& S) {
    return *this << std::string_view(S);
  }
  [[gnu::always_inline]] LineBuilder& operator<<(char C) {
    if (Left() == 0) Spill(1);
    *P++ = C;
    return *this;
  }
  // Integers print as "%d".
  LineBuilder& operator<<(std::int64_t V) {
    if (Left() < 20) Spill(20);
    P = std::to_chars(P, P + 20, V).ptr;
    return *this;
  }
  LineBuilder& operator<<(int V) { return *this << static_cast<std::int64_t>(V); }
  LineBuilder& operator<<(unsigned V) { return *this << static_cast<std::int64_t>(V); }
  LineBuilder& operator<<(Fix F) {
    if (!TryWrite(fmt::MaxQuickFixedChars,
                  [&](char* At) { return fmt::WriteFixedQuick(At, F.Value, F.Decimals, F.Width); }))
      *this << fmt::Fixed(F.Value, F.Decimals, F.Width);
    return *this;
  }
  LineBuilder& operator<<(PaddedInt I) { return *this << fmt::IntPadded(I.Value, I.Width, I.Precision); }
  // Doubles must say how they print.
  LineBuilder& operator<<(double) = delete;

  // A piece written in place by Write(At), which writes at most MaxChars
  // bytes and returns their end, or nullptr when it wrote nothing; returns
  // whether it wrote.
  template <class TWrite>
  bool TryWrite(std::size_t MaxChars, TWrite&& Write) {
    if (Left() < MaxChars) Spill(MaxChars);
    char* End = Write(P);
    if (End) P = End;
    return End != nullptr;
  }

 private:
  static constexpr std::size_t Room = 160;
  std::size_t Left() const { return static_cast<std::size_t>(Limit - P); }
  // Makes room for at least N more bytes; the line so far moves with the
  // buffer. Rare, so kept out of the callers.
  [[gnu::noinline]] void Spill(std::size_t N) {
    const auto Written = static_cast<std::size_t>(P - Lines.Buf.Room(0));
    const std::size_t Wanted = Written + (N > Room ? N : Room);
    char* Start = Lines.Buf.Room(Wanted + TTextLines::MaxEolRoom);
    P = Start + Written;
    Limit = Start + Wanted;
  }

  TTextLines& Lines;
  char* P = nullptr;      // where the next piece goes, in the buffer's room
  char* Limit = nullptr;  // the end of the room pieces may take
};

}  // namespace quillon
