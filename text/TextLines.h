#pragma once
// An ordered list of 8-bit text lines kept in one byte buffer with line end
// offsets: a big board makes millions of output lines, and one allocation per
// line would dominate a conversion.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "text/NumberFormat.h"

namespace quillon {

class TTextLines {
 public:
  int Count() const { return static_cast<int>(Ends.size()); }
  bool Empty() const { return Ends.empty(); }
  std::string_view operator[](int Index) const;
  std::string_view Line(int Index) const { return (*this)[Index]; }

  void Clear();
  void Add(std::string_view Text);
  void AddAll(const TTextLines& Other);
  // Lines of Text split at CR LF, LF or a lone CR; a final line end adds no
  // empty line.
  static TTextLines FromText(std::string_view Text);

  // Building a line in place: append to the buffer Open() returns, then
  // Close(). LineBuilder below wraps the pair.
  std::string& Open() { return Buf; }
  void Close() { Ends.push_back(Buf.size()); }

  // Total bytes of the line texts, without line ends.
  std::size_t TextBytes() const { return Buf.size(); }
  // The lines joined, each followed by Eol.
  std::string Join(std::string_view Eol = "\r\n") const;
  void Reserve(std::size_t Lines, std::size_t Bytes);

  bool operator==(const TTextLines& Other) const { return Buf == Other.Buf && Ends == Other.Ends; }

 private:
  std::string Buf;
  std::vector<std::size_t> Ends;
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
class LineBuilder {
 public:
  explicit LineBuilder(TTextLines& Lines)
      : Lines(Lines), Buf(Lines.Open()), Start(Buf.size()), Unwinding(std::uncaught_exceptions()) {}
  // Closing a line can fail to allocate, which must reach the caller as
  // std::bad_alloc. While an exception (such as a failed append) unwinds, the
  // half-built line is dropped instead: shrinking never allocates, and a
  // second exception would end the program.
  ~LineBuilder() noexcept(false) {
    if (std::uncaught_exceptions() > Unwinding)
      Buf.resize(Start);
    else
      Lines.Close();
  }
  LineBuilder(const LineBuilder&) = delete;
  LineBuilder& operator=(const LineBuilder&) = delete;

  LineBuilder& operator<<(std::string_view S) {
    Buf.append(S);
    return *this;
  }
  LineBuilder& operator<<(const char* S) {
    Buf.append(S);
    return *this;
  }
  LineBuilder& operator<<(const std::string& S) {
    Buf.append(S);
    return *this;
  }
  LineBuilder& operator<<(char C) {
    Buf.push_back(C);
    return *this;
  }
  // Integers print as "%d".
  LineBuilder& operator<<(std::int64_t V) {
    fmt::AppendInt(Buf, V);
    return *this;
  }
  LineBuilder& operator<<(int V) { return *this << static_cast<std::int64_t>(V); }
  LineBuilder& operator<<(unsigned V) { return *this << static_cast<std::int64_t>(V); }
  LineBuilder& operator<<(Fix F) {
    fmt::AppendFixed(Buf, F.Value, F.Decimals, F.Width);
    return *this;
  }
  LineBuilder& operator<<(PaddedInt P) {
    fmt::AppendIntPadded(Buf, P.Value, P.Width, P.Precision);
    return *this;
  }
  // Doubles must say how they print.
  LineBuilder& operator<<(double) = delete;

 private:
  TTextLines& Lines;
  std::string& Buf;
  std::size_t Start;
  int Unwinding;
};

}  // namespace quillon
