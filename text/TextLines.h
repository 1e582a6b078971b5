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

#include "text/NumberFormat.h"

namespace quillon {

// Where a streaming TTextLines hands its lines: each chunk is whole lines,
// each followed by the list's line end, the way a save writes them.
class TLineSink {
 public:
  virtual void Write(std::string_view Bytes) = 0;

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
    Open().append(Text);
    Close();
  }
  void AddAll(const TTextLines& Other);
  // Lines of Text split at CR LF, LF or a lone CR; a final line end adds no
  // empty line.
  static TTextLines FromText(std::string_view Text);

  // Building a line in place: append to the buffer Open() returns, then
  // Close(). LineBuilder below wraps the pair.
  // A streaming list hands its full chunk on here, never in Close: Close
  // runs in LineBuilder's destructor, which must not throw a write error.
  std::string& Open() {
    if (Sink && Buf.size() >= StreamChunkBytes) Flush();
    return Buf;
  }
  void Close() {
    if (Sink) {
      for (const char C : StreamEol) Buf.push_back(C);  // a byte or two: no call
      ++StreamedLines;
    } else {
      Ends.push_back(Buf.size());
    }
  }

  // Streaming: a list that only passes through. From now on complete lines
  // go to Sink, each followed by Eol, in chunks of about StreamChunkBytes;
  // the list keeps only their count and size, so its memory no longer grows
  // with the output. Lines already held are handed on first. Another Sink,
  // or null, ends streaming: lines not handed on yet are dropped (Flush
  // first to keep them), and with null the empty list keeps its lines again.
  // Writers do not notice: they keep adding lines.
  void StreamTo(TLineSink* NewSink, std::string_view Eol = "\r\n");
  bool Streaming() const { return Sink != nullptr; }
  // Hands on the lines a streaming list still holds (nothing otherwise).
  void Flush();
  static constexpr std::size_t StreamChunkBytes = std::size_t{1} << 20;

  // Total bytes of the line texts, without line ends.
  std::size_t TextBytes() const {
    return Sink ? HandedBytes + Buf.size() - StreamEol.size() * StreamedLines : Buf.size();
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
  // Ends the open line with Length bytes at Text. Text has room for
  // MaxEolRoom more bytes after them, so that a streaming list's line end
  // goes into the buffer in the same piece.
  static constexpr std::size_t MaxEolRoom = 8;
  void CloseWith(char* Text, std::size_t Length) {
    if (Sink) {
      if (StreamEol.size() <= MaxEolRoom) {
        std::memcpy(Text + Length, StreamEol.data(), StreamEol.size());
        Buf.append(Text, Length + StreamEol.size());
      } else {
        Buf.append(Text, Length);
        Buf.append(StreamEol);
      }
      ++StreamedLines;
    } else {
      Buf.append(Text, Length);
      Ends.push_back(Buf.size());
    }
  }
  void RequireLines(const char* What) const;

  std::string Buf;                // streaming: the lines not handed on yet, with their line ends
  std::vector<std::size_t> Ends;  // unused while streaming
  TLineSink* Sink = nullptr;
  std::string_view StreamEol = "\r\n";  // a literal of the caller's, as OutputFiles gives it
  std::size_t StreamedLines = 0;        // every line added while streaming
  std::size_t HandedBytes = 0;          // bytes already given to Sink
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
// The line is gathered on the stack and added in one piece: a big board makes
// millions of lines of a few short pieces each. A line longer than that room
// continues in the list's buffer. The text pieces are always inlined, so
// that the length of a literal is known when compiling.
class LineBuilder {
 public:
  explicit LineBuilder(TTextLines& Lines) : Lines(Lines), Start(Lines.Open().size()) {}
  // Closing a line can fail to allocate, which must reach the caller as
  // std::bad_alloc. While an exception (such as a failed append) unwinds, the
  // half-built line is dropped instead: shrinking never allocates, and a
  // second exception would end the program. (So is a line built in a
  // destructor that runs during unwinding: asking at construction as well
  // would cost every line a second look at the exception state.)
  ~LineBuilder() noexcept(false) {
    if (std::uncaught_exceptions() > 0)
      Lines.Buf.resize(Start);
    else
      Lines.CloseWith(Local, static_cast<std::size_t>(P - Local));
  }
  LineBuilder(const LineBuilder&) = delete;
  LineBuilder& operator=(const LineBuilder&) = delete;

  [[gnu::always_inline]] LineBuilder& operator<<(std::string_view S) {
    if (S.size() <= Left()) {
      std::memcpy(P, S.data(), S.size());
      P += S.size();
    } else {
      Spill().append(S);
    }
    return *this;
  }
  [[gnu::always_inline]] LineBuilder& operator<<(const char* S) {
    return *this << std::string_view(S);
  }
  [[gnu::always_inline]] LineBuilder& operator<<(const std::string& S) {
    return *this << std::string_view(S);
  }
  [[gnu::always_inline]] LineBuilder& operator<<(char C) {
    if (Left() == 0) Spill();
    *P++ = C;
    return *this;
  }
  // Integers print as "%d".
  LineBuilder& operator<<(std::int64_t V) {
    if (Left() < 20) Spill();
    P = std::to_chars(P, P + 20, V).ptr;
    return *this;
  }
  LineBuilder& operator<<(int V) { return *this << static_cast<std::int64_t>(V); }
  LineBuilder& operator<<(unsigned V) { return *this << static_cast<std::int64_t>(V); }
  LineBuilder& operator<<(Fix F) {
    if (Left() < fmt::MaxQuickFixedChars) Spill();
    if (char* End = fmt::WriteFixedQuick(P, F.Value, F.Decimals, F.Width))
      P = End;
    else
      fmt::AppendFixed(Spill(), F.Value, F.Decimals, F.Width);
    return *this;
  }
  LineBuilder& operator<<(PaddedInt I) {
    fmt::AppendIntPadded(Spill(), I.Value, I.Width, I.Precision);
    return *this;
  }
  // Doubles must say how they print.
  LineBuilder& operator<<(double) = delete;

 private:
  static constexpr std::size_t Room = 160;
  std::size_t Left() const { return static_cast<std::size_t>(Local + Room - P); }
  // Moves what the stack holds into the list's buffer, which the line then
  // continues in; returns that buffer. Rare, so kept out of the callers.
  [[gnu::noinline]] std::string& Spill() {
    Lines.Buf.append(Local, P);
    P = Local;
    return Lines.Buf;
  }

  TTextLines& Lines;
  std::size_t Start;  // where the line begins in the list's buffer
  char* P = Local;
  char Local[Room + TTextLines::MaxEolRoom];
};

}  // namespace quillon
