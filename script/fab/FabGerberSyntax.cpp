#include "script/fab/FabGerberSyntax.h"

#include <cmath>

#include "pins/ApertureTable.h"
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
