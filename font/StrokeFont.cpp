// SPDX-License-Identifier: MIT
#include "font/StrokeFont.h"

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "font/HersheyData.h"

namespace quillon::font {

namespace {

// The .jhf files hold the glyphs of the characters 0x20-0x7F in that order.
constexpr std::uint8_t FirstJhfChar = 0x20;

// Where cyrillic.jhf keeps each letter: it follows a phonetic keyboard, so
// the Latin letter that sounds alike holds the Cyrillic one, and the letters
// without one sit on punctuation. In Windows-1251 order, А to Я and а to я.
// Its Й is a second И and its э a second Э: Й comes from cyrilc_1.jhf (its
// 26 letters run А to Щ, Й at 'J'), э is made from Э.
constexpr std::string_view CyrillicCapitals = "ABVGD[HZIEKLMNOPRSTYFX`JQW]$_CU^";
constexpr std::string_view CyrillicSmall = "abvgd{hzieklmnoprstyfx%jqw|&~cu}";
constexpr std::size_t ShortI = 9;      // Й, й
constexpr std::size_t ReversedE = 29;  // Э, э
constexpr std::uint8_t Cp1251CapitalA = 0xC0;
constexpr std::uint8_t Cp1251SmallA = 0xE0;
constexpr std::uint8_t Cp1251CapitalYo = 0xA8;
constexpr std::uint8_t Cp1251SmallYo = 0xB8;

// A dot as the font draws its full stops: a small diamond.
std::vector<TGlyphPoint> Dot(int X, int Y) {
  auto P = [](int A, int B) { return TGlyphPoint{static_cast<float>(A), static_cast<float>(B)}; };
  return {P(X, Y - 1), P(X - 1, Y), P(X, Y + 1), P(X + 1, Y), P(X, Y - 1)};
}

// A capital brought down to a small letter: from the base line (9) to the
// small letters' height (-5) instead of the capitals' (-12), a little
// narrower.
TGlyph SmallFromCapital(const TGlyph& Capital) {
  constexpr float Base = 9, Height = 14.0F / 21.0F, Narrower = 0.85F;
  const float Centre = (Capital.MinX + Capital.MaxX) / 2;
  TGlyph Small;
  std::size_t Begin = 0;
  for (const std::uint16_t End : Capital.StrokeEnds) {
    std::vector<TGlyphPoint> Stroke;
    for (std::size_t K = Begin; K < End; ++K) {
      const TGlyphPoint P = Capital.Points[K];
      Stroke.push_back({Centre + (P.X - Centre) * Narrower, Base - (Base - P.Y) * Height});
    }
    Small.AddStroke(Stroke);
    Begin = End;
  }
  return Small;
}

// Е or е with two dots above, a glyph height of 3 over its top.
TGlyph WithDiaeresis(TGlyph Letter) {
  const int Centre = static_cast<int>((Letter.MinX + Letter.MaxX) / 2);
  const int Y = static_cast<int>(Letter.MinY) - 3;
  Letter.AddStroke(Dot(Centre - 3, Y));
  Letter.AddStroke(Dot(Centre + 3, Y));
  return Letter;
}

struct TFontTable {
  std::array<std::optional<TGlyph>, 256> Glyphs;
  TGlyph Box;
};

std::optional<TGlyph> JhfGlyph(const std::vector<TGlyph>& File, char C) {
  const auto Index = static_cast<std::size_t>(static_cast<std::uint8_t>(C) - FirstJhfChar);
  if (Index >= File.size()) return std::nullopt;
  return File[Index];
}

std::unique_ptr<TFontTable> BuildTable() {
  auto Table = std::make_unique<TFontTable>();
  const std::vector<TGlyph> Roman = ParseJhf(SimplexRomanJhf());
  const std::vector<TGlyph> Cyrillic = ParseJhf(CyrillicJhf());
  for (int C = FirstJhfChar; C < 0x7F; ++C)
    Table->Glyphs[static_cast<std::size_t>(C)] = JhfGlyph(Roman, static_cast<char>(C));
  for (std::size_t I = 0; I < CyrillicCapitals.size(); ++I) {
    Table->Glyphs[Cp1251CapitalA + I] = JhfGlyph(Cyrillic, CyrillicCapitals[I]);
    Table->Glyphs[Cp1251SmallA + I] = JhfGlyph(Cyrillic, CyrillicSmall[I]);
  }
  const std::vector<TGlyph> Numbered = ParseJhf(CyrillicNumberedJhf());
  Table->Glyphs[Cp1251CapitalA + ShortI] = JhfGlyph(Numbered, 'J');
  if (const auto& Capital = Table->Glyphs[Cp1251CapitalA + ReversedE])
    Table->Glyphs[Cp1251SmallA + ReversedE] = SmallFromCapital(*Capital);
  if (auto E = JhfGlyph(Cyrillic, '[')) Table->Glyphs[Cp1251CapitalYo] = WithDiaeresis(*E);
  if (auto E = JhfGlyph(Cyrillic, '{')) Table->Glyphs[Cp1251SmallYo] = WithDiaeresis(*E);
  // A capital's width and height, without the bearings.
  Table->Box.AddStroke({{-5, 9}, {5, 9}, {5, -12}, {-5, -12}, {-5, 9}});
  return Table;
}

const TFontTable& Table() {
  static const std::unique_ptr<TFontTable> Built = BuildTable();
  return *Built;
}

}  // namespace

const TGlyph* GlyphOf(std::uint8_t Byte) {
  const std::optional<TGlyph>& Glyph = Table().Glyphs[Byte];
  return Glyph ? &*Glyph : nullptr;
}

const TGlyph& Placeholder() { return Table().Box; }

}  // namespace quillon::font
