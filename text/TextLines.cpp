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
  return std::string_view(Buf).substr(Begin, Ends[I] - Begin);
}

void TTextLines::Clear() {
  if (HandedBytes > 0)
    throw std::logic_error("TTextLines::Clear: lines already handed on cannot be taken back");
  Buf.clear();
  Ends.clear();
  StreamedLines = 0;
}

void TTextLines::Flush() {
  if (!Sink || Buf.empty()) return;
  Sink->Write(Buf);
  HandedBytes += Buf.size();
  Buf.clear();
}

void TTextLines::StreamTo(TLineSink* NewSink, std::string_view Eol) {
  if (Sink) {
    *this = TTextLines();
  } else if (!Ends.empty()) {
    Buf = Join(Eol);
    StreamedLines = Ends.size();
    Ends = {};
  }
  Sink = NewSink;
  StreamEol = Eol;
  if (Sink) {
    Buf.reserve(StreamChunkBytes + 4096);
    if (Buf.size() >= StreamChunkBytes) Flush();
  } else {
    Buf.clear();
    StreamedLines = 0;
  }
}

void TTextLines::AddAll(const TTextLines& Other) {
  if (Sink) {
    for (int I = 0; I < Other.Count(); ++I) Add(Other[I]);
    return;
  }
  const std::size_t Base = Buf.size();
  Buf.append(Other.Buf);
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

std::string TTextLines::Join(std::string_view Eol) const {
  RequireLines("Join");
  std::string S;
  S.reserve(Buf.size() + Ends.size() * Eol.size());
  std::size_t Begin = 0;
  for (std::size_t E : Ends) {
    S.append(Buf, Begin, E - Begin);
    S.append(Eol);
    Begin = E;
  }
  return S;
}

void TTextLines::Reserve(std::size_t Lines, std::size_t Bytes) {
  if (Sink) return;
  Ends.reserve(Lines);
  Buf.reserve(Bytes);
  AdviseHugePages(Buf.data(), Buf.capacity());
  AdviseHugePages(Ends.data(), Ends.capacity() * sizeof(std::size_t));
}

}  // namespace quillon
