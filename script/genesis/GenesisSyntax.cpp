// SPDX-License-Identifier: MIT
#include "script/genesis/GenesisSyntax.h"

#include "pins/ApertureTable.h"
#include "text/AsciiCase.h"

namespace quillon::genesis {

namespace {

bool IsPlainByte(unsigned char C) {
  if (C >= 0x80) return true;  // 8-bit letters of the ANSI code page
  if ((C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9')) return true;
  switch (C) {
    case ' ':
    case '.':
    case ',':
    case '-':
    case '_':
    case '+':
    case '/':
    case ':':
    case '=':
    case '@':
    case '%':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string_view MatrixType(TLayerRole Role) {
  switch (Role) {
    case TLayerRole::PadTop:
    case TLayerRole::PadBottom:
      return "board,type=signal";
    case TLayerRole::MaskTop:
    case TLayerRole::MaskBottom:
      return "board,type=solder_mask";
    case TLayerRole::SilkTop:
    case TLayerRole::SilkBottom:
      return "board,type=silk_screen";
    case TLayerRole::Drill:
      return "board,type=drill";
    case TLayerRole::Outline:
      return "board,type=rout";
    case TLayerRole::Other:
      break;
  }
  return "misc,type=document";
}

namespace {

constexpr std::size_t JobNameMax = 64;

bool IsJobByte(char C) {
  return (C >= 'a' && C <= 'z') || (C >= '0' && C <= '9') || C == '_' || C == '-' || C == '+' ||
         C == '.';
}

}  // namespace

bool IsJobName(std::string_view Name) {
  if (Name.empty() || Name.size() > JobNameMax || Name.front() == '.') return false;
  for (const char C : Name)
    if (!IsJobByte(C)) return false;
  return true;
}

std::string JobNameOf(std::string_view Text) {
  std::string Name = LowerAscii(Text.substr(0, JobNameMax));
  for (char& C : Name)
    if (!IsJobByte(C)) C = '_';
  while (!Name.empty() && Name.front() == '.') Name.erase(0, 1);
  return Name.empty() ? std::string("quillon") : Name;
}

std::string LayerName(std::string_view Name) {
  std::string Word;
  AppendShellWord(Word, LowerAscii(Name));
  return Word;
}

bool IsPlainShellWord(std::string_view Value) {
  // Unquoted, a run of blanks separates two words and COM gets them joined
  // by one blank: "x  y" would arrive as "x y".
  if (Value.find("  ") != std::string_view::npos) return false;
  for (char C : Value)
    if (!IsPlainByte(static_cast<unsigned char>(C))) return false;
  return true;
}

namespace {

// Writes the quoted form of a value that is not plain. Inside csh single
// quotes every byte is literal except the quote itself, which is closed,
// escaped and reopened, and "!", which starts a history substitution even
// in a script unless escaped; a line break cannot stand there.
template <class TSink>
void WriteQuoted(TSink& Out, std::string_view Value) {
  Out << '\'';
  for (char C : Value) {
    if (C == '\'')
      Out << "'\\''";
    else if (C == '!')  // tcsh expands history even inside single quotes
      Out << "\\!";
    else if (C == '\n' || C == '\r' || C == '\0')
      Out << ' ';
    else
      Out << C;
  }
  Out << '\'';
}

struct TStringSink {
  std::string& S;
  TStringSink& operator<<(char C) {
    S += C;
    return *this;
  }
  TStringSink& operator<<(const char* Text) {
    S += Text;
    return *this;
  }
};

}  // namespace

LineBuilder& operator<<(LineBuilder& L, const TShellWord& Word) {
  if (IsPlainShellWord(Word.Value)) return L << Word.Value;
  WriteQuoted(L, Word.Value);
  return L;
}

void AppendShellWord(std::string& Out, std::string_view Value) {
  if (IsPlainShellWord(Value)) {
    Out.append(Value);
    return;
  }
  TStringSink Sink{Out};
  WriteQuoted(Sink, Value);
}

void DisplayLayer(TTextLines& Out, std::string_view Name, int Number) {
  LineBuilder(Out) << "COM display_layer,name=" << Name << ",display=yes,number=" << Number;
}

void WorkLayer(TTextLines& Out, std::string_view Name) {
  LineBuilder(Out) << "COM work_layer,name=" << Name;
}

void SelectLayer(TTextLines& Out, std::string_view Name) {
  DisplayLayer(Out, Name, 1);
  WorkLayer(Out, Name);
}

void ZoomHome(TTextLines& Out, bool AddViewCommands) {
  if (AddViewCommands) Out.Add("COM zoom_home");
}

TSymbol PadSymbol(std::uint8_t Shape, double SizeMm) {
  switch (Shape) {
    case shapeCircle:
      return {"r", SizeMm};
    case shapeSquare:
      return {"s", SizeMm};
    default:
      return {"bfr100", SizeMm};  // a pin without pad shape
  }
}

}  // namespace quillon::genesis
