#include "script/TextLines.h"

namespace quillon {

std::string_view TTextLines::operator[](int Index) const {
  const std::size_t I = static_cast<std::size_t>(Index);
  const std::size_t Begin = I == 0 ? 0 : Ends[I - 1];
  return std::string_view(Buf).substr(Begin, Ends[I] - Begin);
}

void TTextLines::Clear() {
  Buf.clear();
  Ends.clear();
}

void TTextLines::Add(std::string_view Text) {
  Buf.append(Text);
  Ends.push_back(Buf.size());
}

void TTextLines::AddAll(const TTextLines& Other) {
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
  Ends.reserve(Lines);
  Buf.reserve(Bytes);
}

}  // namespace quillon
