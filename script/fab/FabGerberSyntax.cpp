// SPDX-License-Identifier: MIT
#include "script/fab/FabGerberSyntax.h"

#include <cmath>

#include "pins/ApertureTable.h"
#include "script/ConvertError.h"
#include "text/NumberFormat.h"
#include "text/OneLine.h"

namespace quillon::fab {

namespace {
constexpr std::int64_t FarthestUnits = 1'000'000'000'000'000;  // 1e9 mm
}

std::int64_t ToFabUnits(double Millimetres) {
  if (std::isnan(Millimetres)) return 0;
  std::int64_t Units;
  if (!fmt::ScaledRound(Millimetres, CoordDecimals, Units) || Units > FarthestUnits ||
      Units < -FarthestUnits)
    return Millimetres < 0 ? -FarthestUnits : FarthestUnits;
  return Units;
}

TFabPoint ToFabPoint(std::int32_t X, std::int32_t Y, double Scale) {
  return {ToFabUnits(X * Scale), ToFabUnits(Y * Scale)};
}

void AppendAxis(std::string& Out, char Axis, std::int64_t Value) {
  Out += Axis;
  fmt::AppendInt(Out, Value);
}

void AppendXY(std::string& Out, TFabPoint P) {
  AppendAxis(Out, 'X', P.X);
  AppendAxis(Out, 'Y', P.Y);
}

void AppendSize(std::string& Out, double Size) {
  const std::size_t Start = Out.size();
  fmt::AppendFixed(Out, Size, CoordDecimals);
  const std::size_t Point = Out.find('.', Start);
  if (Point == std::string::npos) return;
  std::size_t Last = Out.size();
  while (Last > Point + 1 && Out[Last - 1] == '0') --Last;
  if (Last == Point + 1) Last = Point;
  Out.resize(Last);
}

void AddApertureDefinition(TTextLines& Out, std::int32_t DCode, std::uint8_t Shape, double Size) {
  LineBuilder Line(Out);
  Line << "%ADD" << static_cast<std::int64_t>(DCode);
  std::string Sizes;
  AppendSize(Sizes, Size);
  if (Shape == shapeSquare)
    Line << "R," << Sizes << 'X' << Sizes;
  else
    Line << "C," << Sizes;  // no hole: a zero hole is not a valid circle parameter
  Line << "*%";
}

void AddAttribute(TTextLines& Out, std::string_view Attribute, bool AsComment) {
  if (AsComment)
    LineBuilder(Out) << "G04 #@! " << Attribute << '*';
  else
    LineBuilder(Out) << '%' << Attribute << "*%";
}

void AddComment(TTextLines& Out, std::string_view Text) {
  LineBuilder Line(Out);
  Line << "G04 ";
  for (char C : Text) {
    const auto Byte = static_cast<unsigned char>(C);
    // A line break is "?" as in every other format's title.
    Line << (BreaksLine(C) ? '?' : Byte < 0x20 || Byte >= 0x7F || C == '*' || C == '%' ? '_' : C);
  }
  Line << '*';
}

}  // namespace quillon::fab

namespace quillon::fab {

int IntegerDigitsFor(std::int64_t Farthest) {
  std::int64_t Whole = Farthest;
  for (int D = 0; D < CoordDecimals; ++D) Whole /= 10;
  int Digits = 1;
  for (; Whole >= 10; Whole /= 10) ++Digits;
  // Four cover any real board (up to 10 m); only extents beyond that need
  // more.
  if (Digits < MinIntegerDigits) Digits = MinIntegerDigits;
  if (Digits > MaxIntegerDigits) {
    std::string Millimetres;
    fmt::AppendFixed(Millimetres, static_cast<double>(Farthest) / 1e6, 3);
    throw TConvertError("coordinates reach " + Millimetres +
                        " mm from the origin, but a fab file can hold at most 6 integer digits "
                        "(999999.999999 mm): check the unit factor");
  }
  return Digits;
}

void AddFabHeader(TTextLines& Out, const TFabHeader& Header) {
  if (!Header.Title.empty()) AddComment(Out, Header.Title);
  const char Digits = static_cast<char>('0' + Header.IntegerDigits);
  LineBuilder(Out) << "%FSLAX" << Digits << "6Y" << Digits << "6*%";
  Out.Add("%MOMM*%");
  for (const std::string& Attribute : Header.Provenance)
    AddAttribute(Out, Attribute, Header.AsComments);
  std::string Function = "TF.FileFunction,";
  Function += Header.FileFunction;
  AddAttribute(Out, Function, Header.AsComments);
  AddAttribute(Out, "TF.FilePolarity,Positive", Header.AsComments);
  AddAttribute(Out, "TF.SameCoordinates,Original", Header.AsComments);
  Out.Add("G75*");
}

}  // namespace quillon::fab
