// SPDX-License-Identifier: MIT
#include "PlotBuilder.h"

#include <fstream>
#include <stdexcept>

namespace quillon::test {

namespace {

int Checked(int Value, int Low, int High, const char* What) {
  if (Value < Low || Value > High)
    throw std::out_of_range(std::string("PlotBuilder: ") + What + " " + std::to_string(Value) +
                            " outside " + std::to_string(Low) + ".." + std::to_string(High));
  return Value;
}

std::uint8_t ByteField(int Value, const char* What) {
  return static_cast<std::uint8_t>(Checked(Value, 0, 255, What));
}

}  // namespace

PlotBuilder& PlotBuilder::Byte(std::uint8_t B) {
  Content.push_back(B);
  return *this;
}

PlotBuilder& PlotBuilder::Word(std::uint16_t W) {
  Content.push_back(static_cast<std::uint8_t>(W & 0xFF));
  Content.push_back(static_cast<std::uint8_t>(W >> 8));
  return *this;
}

PlotBuilder& PlotBuilder::Raw(std::initializer_list<std::uint8_t> List) {
  Content.insert(Content.end(), List.begin(), List.end());
  return *this;
}

PlotBuilder& PlotBuilder::Raw(std::string_view Text) {
  for (char C : Text) Content.push_back(static_cast<std::uint8_t>(C));
  return *this;
}

PlotBuilder& PlotBuilder::Signed(int Value) {
  Checked(Value, -32768, 32767, "coordinate");
  return Word(static_cast<std::uint16_t>(Value & 0xFFFF));
}

PlotBuilder& PlotBuilder::Unsigned(int Value) {
  return Word(static_cast<std::uint16_t>(Checked(Value, 0, 65535, "word")));
}

PlotBuilder& PlotBuilder::AttributeWord(int Width, int AttributeLow) {
  Byte(ByteField(AttributeLow, "attribute"));
  return Byte(ByteField(Width, "width"));
}

// ---------------------------------------------------------------- header

PlotBuilder& PlotBuilder::Header(int Version, PlotExtents Extents, int ScaleWord) {
  Word(Signature).Unsigned(Version);
  Unsigned(Extents.Left).Unsigned(Extents.Top).Unsigned(Extents.Right).Unsigned(Extents.Bottom);
  return Word(0).Unsigned(ScaleWord);
}

PlotBuilder& PlotBuilder::Layers(std::initializer_list<PlotLayer> List) {
  return Layers(std::vector<PlotLayer>(List));
}

PlotBuilder& PlotBuilder::Layers(const std::vector<PlotLayer>& List) {
  LayerCount(static_cast<int>(List.size()));
  for (const PlotLayer& L : List) LayerHeader(L);
  return *this;
}

PlotBuilder& PlotBuilder::LayerCount(int Count, std::uint16_t Unused) {
  return Unsigned(Count).Word(Unused);
}

PlotBuilder& PlotBuilder::LayerHeader(const PlotLayer& Layer) {
  if (Layer.Name.size() > 6) throw std::out_of_range("PlotBuilder: layer name " + Layer.Name);
  Raw(Layer.Name);
  for (std::size_t i = Layer.Name.size(); i < 6; ++i) Byte(0);
  Byte(ByteField(Layer.Number, "layer number"));
  return Byte(ByteField(Layer.Attribute, "layer attribute"));
}

// ---------------------------------------------------------------- records

PlotBuilder& PlotBuilder::SelectLayer(int Number, std::uint8_t Low) {
  return Word(TagLayerSelect).Byte(Low).Byte(ByteField(Number, "layer number"));
}

PlotBuilder& PlotBuilder::Line(int X1, int Y1, int X2, int Y2, int Width, int AttributeLow) {
  Word(TagLine).AttributeWord(Width, AttributeLow);
  return Signed(X1).Signed(Y1).Signed(X2).Signed(Y2);
}

PlotBuilder& PlotBuilder::Rectangle(int X1, int Y1, int X2, int Y2, int Width, int AttributeLow) {
  Word(TagRectangle).AttributeWord(Width, AttributeLow);
  return Signed(X1).Signed(Y1).Signed(X2).Signed(Y2);
}

PlotBuilder& PlotBuilder::FilledRectangle(int X1, int Y1, int X2, int Y2, std::uint16_t Style) {
  Word(TagFilledRectangle).Word(Style);
  return Signed(X1).Signed(Y1).Signed(X2).Signed(Y2);
}

PlotBuilder& PlotBuilder::ArcByPoints(PlotPoint Center, PlotPoint Start, PlotPoint End, int Width,
                                      int AttributeLow) {
  Word(TagArcByPoints).AttributeWord(Width, AttributeLow);
  Signed(Center.X).Signed(Center.Y);
  return Signed(Start.X).Signed(Start.Y).Signed(End.X).Signed(End.Y);
}

PlotBuilder& PlotBuilder::ArcByAngles(PlotPoint Center, int Radius, int StartAngle, int EndAngle,
                                      int Width, int AttributeLow, std::uint16_t Tag) {
  if (Tag != TagArcByAngles && Tag != TagArcByAnglesAlt)
    throw std::out_of_range("PlotBuilder: not an arc-by-angles tag");
  Word(Tag).AttributeWord(Width, AttributeLow);
  Signed(Center.X).Signed(Center.Y);
  return Unsigned(Radius).Word(0).Unsigned(StartAngle).Unsigned(EndAngle);
}

PlotBuilder& PlotBuilder::Text(int X, int Y, std::string_view Chars, const PlotTextStyle& Style) {
  if (Style.Rotation % 90 != 0) throw std::out_of_range("PlotBuilder: text rotation");
  const int Quarter = Checked(Style.Rotation / 90, 0, 3, "text rotation / 90");
  const int Size = Checked(Style.Size, 0, 255 + 128 * 255, "text size");
  // Size = high byte of A + 128 * low byte of B.
  const int SizeB = Size / 128 > 255 ? 255 : Size / 128;
  const int SizeA = Size - 128 * SizeB;
  const int LowA = Quarter | (Style.Mirror ? 4 : 0);
  const auto A = static_cast<std::uint16_t>(LowA | (SizeA << 8));
  const auto B =
      static_cast<std::uint16_t>(SizeB | (ByteField(Style.Justification, "justification") << 8));
  return TextWords(X, Y, A, B, Chars);
}

PlotBuilder& PlotBuilder::TextWords(int X, int Y, std::uint16_t A, std::uint16_t B,
                                    std::string_view Chars) {
  if (Chars.find('\0') != std::string_view::npos)
    throw std::out_of_range("PlotBuilder: a text cannot hold a zero byte");
  Word(TagText).Word(0).Signed(X).Signed(Y).Word(A).Word(B);
  Raw(Chars).Byte(0);
  if (Chars.size() % 2 == 0) Byte(0);  // characters and zero padded to even
  return *this;
}

PlotBuilder& PlotBuilder::Flash(int PinNumber, int X, int Y, int QuarterTurns) {
  Word(TagFlash).Byte(ByteField(PinNumber, "pin")).Byte(ByteField(QuarterTurns, "rotation"));
  return Signed(X).Signed(Y);
}

PlotBuilder& PlotBuilder::Polygon(const PlotPolygon& P, std::uint16_t Closing) {
  if (P.Outlines.empty() || P.Outlines.front().empty())
    throw std::out_of_range("PlotBuilder: a polygon needs a first point");
  for (std::size_t o = 0; o < P.Outlines.size(); ++o) {
    const std::vector<PlotPoint>& Outline = P.Outlines[o];
    if (Outline.empty()) throw std::out_of_range("PlotBuilder: an empty polygon outline");
    if (o == 0)
      BeginPolygon(Outline.front(), ByteField(P.Attribute, "polygon attribute"));
    else
      NextOutline(Outline.front());
    for (std::size_t i = 1; i < Outline.size(); ++i) Point(Outline[i]);
  }
  for (const PlotCircle& C : P.Circles) Circle(C);
  return EndPolygon(Closing);
}

PlotBuilder& PlotBuilder::Polygon(std::initializer_list<PlotPoint> Outline, int Attribute) {
  return Polygon(PlotPolygon({std::vector<PlotPoint>(Outline)}, {}, Attribute));
}

// ---------------------------------------------------------------- polygon pieces

PlotBuilder& PlotBuilder::BeginPolygon(PlotPoint First, std::uint16_t AttributeWord) {
  return Word(TagComplexPolygon).Word(AttributeWord).Signed(First.X).Signed(First.Y);
}

PlotBuilder& PlotBuilder::Point(PlotPoint P) { return Signed(P.X).Signed(P.Y); }

PlotBuilder& PlotBuilder::NextOutline(PlotPoint First, std::uint16_t Zero) {
  return Word(PieceNextOutline).Word(Zero).Signed(First.X).Signed(First.Y);
}

PlotBuilder& PlotBuilder::Circle(PlotCircle C, std::uint16_t Zero, std::uint16_t Unused) {
  Word(PieceCircle).Word(Unused).Signed(C.X).Signed(C.Y).Signed(C.Radius);
  return Word(Zero);
}

PlotBuilder& PlotBuilder::EndPolygon(std::uint16_t Closing) { return Word(PieceEnd).Word(Closing); }

// ---------------------------------------------------------------- result

std::string PlotBuilder::Prefix(std::size_t Length) const {
  if (Length > Content.size()) Length = Content.size();
  return std::string(Content.begin(), Content.begin() + static_cast<std::ptrdiff_t>(Length));
}

void PlotBuilder::Save(const std::string& FileName) const { SavePrefix(FileName, Content.size()); }

void PlotBuilder::SavePrefix(const std::string& FileName, std::size_t Length) const {
  const std::string Data = Prefix(Length);
  std::ofstream F(FileName, std::ios::binary | std::ios::trunc);
  F.write(Data.data(), static_cast<std::streamsize>(Data.size()));
  F.close();
  if (!F) throw std::runtime_error("PlotBuilder: cannot write " + FileName);
}

}  // namespace quillon::test
