// SPDX-License-Identifier: MIT
#include "text/TextLines.h"

#include "text/HugePages.h"

namespace quillon {

void TTextLines::RequireLines(const char* What) const {
  if (Sink)
    throw std::logic_error(std::string("TTextLines::") + What +
                           ": the lines of a streaming list are not kept");
}

std::string_view TTextLines::operator[](int Index) const {
  RequireLines("operator[]");
  const std::size_t I = static_cast<std::size_t>(Index);
  const std::size_t Begin = I == 0 ? 0 : Ends[I - 1];
  return Buf.View().substr(Begin, Ends[I] - Begin);
}

void TTextLines::Clear() {
  if (HandedBytes > 0)
    throw std::logic_error("TTextLines::Clear: lines already handed on cannot be taken back");
  Buf.Clear();
  Ends.clear();
  StreamedLines = 0;
}

void TTextLines::Flush() {
  if (!Sink || Buf.Empty()) return;
  const std::size_t Size = Buf.Size();
  Sink->Take(Buf);
  HandedBytes += Size;
  Buf.Clear();
  Buf.Reserve(StreamChunkBytes + 4096);
}

void TTextLines::StreamTo(TLineSink* NewSink, std::string_view NewEol) {
  if (NewEol.size() > MaxEolRoom)
    throw std::invalid_argument("TTextLines::StreamTo: a line end of more than 8 bytes");
  if (Sink) {
    *this = TTextLines();
  } else if (!Ends.empty()) {
    const std::string Joined = Join(NewEol);
    Buf.Clear();
    Buf.Append(Joined);
    StreamedLines = Ends.size();
    Ends = {};
  }
  Sink = NewSink;
  if (!NewEol.empty()) std::memcpy(Eol, NewEol.data(), NewEol.size());
  EolSize = static_cast<std::uint8_t>(NewEol.size());
  if (Sink) {
    Buf.Reserve(StreamChunkBytes + 4096);
    if (Buf.Size() >= StreamChunkBytes) Flush();
  } else {
    Buf.Clear();
    StreamedLines = 0;
  }
}

void TTextLines::AddAll(const TTextLines& Other) {
  if (Sink) {
    for (int I = 0; I < Other.Count(); ++I) Add(Other[I]);
    return;
  }
  const std::size_t Base = Buf.Size();
  Buf.Append(Other.Buf.View());
  Ends.reserve(Ends.size() + Other.Ends.size());
  for (std::size_t E : Other.Ends) Ends.push_back(Base + E);
}

TTextLines TTextLines::FromText(std::string_view Text) {
  TTextLines Lines;
  std::size_t Start = 0;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    const char C = Text[I];
    if (C != '\n' && C != '\r') continue;
    Lines.Add(Text.substr(Start, I - Start));
    if (C == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') ++I;
    Start = I + 1;
  }
  if (Start < Text.size()) Lines.Add(Text.substr(Start));
  return Lines;
}

std::string TTextLines::Join(std::string_view LineEnd) const {
  RequireLines("Join");
  std::string S;
  S.reserve(Buf.Size() + Ends.size() * LineEnd.size());
  const std::string_view All = Buf.View();
  std::size_t Begin = 0;
  for (std::size_t E : Ends) {
    S.append(All.substr(Begin, E - Begin));
    S.append(LineEnd);
    Begin = E;
  }
  return S;
}

void TTextLines::Reserve(std::size_t Lines, std::size_t Bytes) {
  if (Sink) return;
  Ends.reserve(Lines);
  Buf.Reserve(Bytes);
  AdviseHugePages(Buf.Data(), Buf.Capacity());
  AdviseHugePages(Ends.data(), Ends.capacity() * sizeof(std::size_t));
}

}  // namespace quillon
