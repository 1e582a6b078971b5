// SPDX-License-Identifier: MIT
#pragma once
// The syntax of the fab-profile Gerber files, in one place: coordinates are
// millimetres declared as "%FSLAX<n>6Y<n>6*%" (leading zeros omitted,
// absolute, n integer and six decimal digits), so a coordinate is written as
// the integer number of millionths of a millimetre; n is what the board's
// farthest coordinate needs, at most six. Attributes are written as X2
// extended commands or, for readers that reject X2, as "G04 #@! " comments.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "text/TextLines.h"

namespace quillon::fab {

constexpr int CoordDecimals = 6;
constexpr int MinIntegerDigits = 4;
constexpr int MaxIntegerDigits = 6;

// A point in output units: millionths of a millimetre.
struct TFabPoint {
  std::int64_t X = 0;
  std::int64_t Y = 0;
  bool operator==(const TFabPoint&) const = default;
};

// Millimetres to output units, rounded half away from zero. Values beyond any
// board (a custom unit factor gone wild) are held at +-1e9 mm so that
// differences of two coordinates stay exact integers; NaN gives 0.
std::int64_t ToFabUnits(double Millimetres);
TFabPoint ToFabPoint(std::int32_t X, std::int32_t Y, double Scale);

// "X" + Value.X + "Y" + Value.Y
void AppendXY(std::string& Out, TFabPoint P);
// Axis letter and value, e.g. "I-1500000".
void AppendAxis(std::string& Out, char Axis, std::int64_t Value);

// An aperture size in millimetres: up to six decimals, without trailing zeros.
void AppendSize(std::string& Out, double Size);

// "%ADD10C,0.25*%" for a circle, "%ADD12R,1.5X1.5*%" for a square.
void AddApertureDefinition(TTextLines& Out, std::int32_t DCode, std::uint8_t Shape, double Size);

// The integer digits that write every value up to Farthest output units:
// at least MinIntegerDigits. Throws TConvertError when even six do not suffice (a board of
// a kilometre or more is a wrong unit factor, not a board).
int IntegerDigitsFor(std::int64_t Farthest);

struct TFabHeader {
  std::string_view Title;         // a comment line when not empty
  std::string_view FileFunction;  // e.g. "Copper,L1,Top"
  int IntegerDigits = 4;
  bool AsComments = false;  // attributes as "G04 #@! " comments
  // The package's generation software, creation date and project
  // (FabProvenance.h), first of the file attributes.
  std::span<const std::string> Provenance;
};
// The lines before the aperture definitions: title, format, unit, the file
// attributes and "G75*", set once here so that no quadrant mode is ever set
// inside a region.
void AddFabHeader(TTextLines& Out, const TFabHeader& Header);

// Attribute is the text after the percent sign, e.g. "TF.FilePolarity,Positive".
void AddAttribute(TTextLines& Out, std::string_view Attribute, bool AsComment);

// "G04 " + Text + "*", with the characters that would end or break the
// comment ('*', '%', control and non-ASCII bytes) replaced by '_'.
void AddComment(TTextLines& Out, std::string_view Text);

}  // namespace quillon::fab
