#pragma once
// The syntax of the fab-profile Gerber files, in one place: coordinates are
// millimetres declared as "%FSLAX46Y46*%" (leading zeros omitted, absolute,
// four integer and six decimal digits), so a coordinate is written as the
// integer number of millionths of a millimetre. Attributes are written as X2
// extended commands or, for readers that reject X2, as "G04 #@! " comments.

#include <cstdint>
#include <string>
#include <string_view>

#include "text/TextLines.h"

namespace quillon::fab {

constexpr int CoordDecimals = 6;

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

// Attribute is the text after the percent sign, e.g. "TF.FilePolarity,Positive".
void AddAttribute(TTextLines& Out, std::string_view Attribute, bool AsComment);

// "G04 " + Text + "*", with the characters that would end or break the
// comment ('*', '%', control and non-ASCII bytes) replaced by '_'.
void AddComment(TTextLines& Out, std::string_view Text);

}  // namespace quillon::fab
