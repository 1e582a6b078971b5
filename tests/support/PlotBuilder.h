// SPDX-License-Identifier: MIT
#pragma once
// Writes plot files record by record, so that a test (or a generator) states
// its input as readably as its expectation:
//
//   PlotBuilder Plot;
//   Plot.Header().Layers({{"COMP", 1}, {"SOLDER", 2}})
//       .SelectLayer(1)
//       .Line(100, 200, 300, 200, 10)
//       .Text(0, 0, "U1", {.Rotation = 90, .Size = 60})
//       .Polygon({{0, 0}, {100, 0}, {100, 100}, {0, 0}})
//       .Polygon(PlotPolygon({{{0, 0}, {900, 0}, {0, 900}, {0, 0}},   // boundary
//                             {{10, 10}, {20, 10}, {10, 10}}},        // a void
//                            {{300, 300, 50}}));                      // a void circle
//   Plot.Save(FileName);
//
// The builder spells the format out on its own (it does not share the
// reader's constants), so a wrong tag or field order in the reader shows up
// as a failing test instead of being written and read back the same way.
// Values that do not fit their field throw std::out_of_range. Every record
// writer appends exactly the record's bytes; Byte/Word/Raw write anything
// else, for broken files.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon::test {

struct PlotPoint {
  int X = 0, Y = 0;
};

struct PlotLayer {
  PlotLayer(std::string Name, int Number, int Attribute = 0)
      : Name(std::move(Name)), Number(Number), Attribute(Attribute) {}
  std::string Name;  // up to 6 bytes; shorter names end with a zero byte
  int Number = 0;
  int Attribute = 0;
};

struct PlotExtents {
  int Left = 0, Top = 0, Right = 10000, Bottom = 10000;
};

// How a text is placed, in the model's terms; the builder packs it into the
// record's words A and B.
struct PlotTextStyle {
  int Rotation = 0;  // 0, 90, 180 or 270
  bool Mirror = false;
  int Size = 50;           // 0..32895
  int Justification = 34;  // 8·v + h
};

// One circle of a polygon: centre and radius.
struct PlotCircle {
  int X = 0, Y = 0, Radius = 0;
};

// A whole polygon: the first outline is the boundary, the others are voids.
// Each outline lists its points; repeat the first point to close it.
struct PlotPolygon {
  PlotPolygon(std::vector<std::vector<PlotPoint>> Outlines, std::vector<PlotCircle> Circles = {},
              int Attribute = 0)
      : Outlines(std::move(Outlines)), Circles(std::move(Circles)), Attribute(Attribute) {}
  std::vector<std::vector<PlotPoint>> Outlines;
  std::vector<PlotCircle> Circles;  // written after all outlines
  int Attribute = 0;
};

class PlotBuilder {
 public:
  // Tags, spelled out here on purpose (see above).
  static constexpr std::uint16_t Signature = 0x804E;
  static constexpr std::uint16_t TagLayerSelect = 0x80A9;
  static constexpr std::uint16_t TagLine = 0x80A8;
  static constexpr std::uint16_t TagRectangle = 0x80A7;
  static constexpr std::uint16_t TagFilledRectangle = 0x80A6;
  static constexpr std::uint16_t TagArcByPoints = 0x807A;
  static constexpr std::uint16_t TagArcByAngles = 0x80A4;
  static constexpr std::uint16_t TagArcByAnglesAlt = 0x80A5;
  static constexpr std::uint16_t TagText = 0x80A2;
  static constexpr std::uint16_t TagFlash = 0x8095;
  static constexpr std::uint16_t TagComplexPolygon = 0x80A3;
  static constexpr std::uint16_t PieceNextOutline = 0x807E;
  static constexpr std::uint16_t PieceCircle = 0x807F;
  static constexpr std::uint16_t PieceEnd = 0x8080;

  // --- Raw bytes, low byte first, for broken files. ---
  PlotBuilder& Byte(std::uint8_t B);
  PlotBuilder& Word(std::uint16_t W);
  PlotBuilder& Raw(std::initializer_list<std::uint8_t> List);
  PlotBuilder& Raw(std::string_view Text);
  // A coordinate: -32768..32767 as two's complement.
  PlotBuilder& Signed(int Value);

  // --- Header and layer table. ---
  // The 16-byte header: signature, version code, extents, an unused word and
  // the scale word (Scale = ScaleWord / 1000).
  PlotBuilder& Header(int Version = 4, PlotExtents Extents = {}, int ScaleWord = 1000);
  // Layer count, the unused word and one 8-byte header per layer.
  PlotBuilder& Layers(std::initializer_list<PlotLayer> List);
  PlotBuilder& Layers(const std::vector<PlotLayer>& List);
  // The pieces of the layer table on their own, for counts that do not match.
  PlotBuilder& LayerCount(int Count, std::uint16_t Unused = 0);
  PlotBuilder& LayerHeader(const PlotLayer& Layer);

  // --- Records. Widths are the attribute word's high byte (0..255). ---
  // The layer number goes to the high byte; Low fills the ignored low byte.
  PlotBuilder& SelectLayer(int Number, std::uint8_t Low = 0);
  PlotBuilder& Line(int X1, int Y1, int X2, int Y2, int Width, int AttributeLow = 0);
  PlotBuilder& Rectangle(int X1, int Y1, int X2, int Y2, int Width, int AttributeLow = 0);
  PlotBuilder& FilledRectangle(int X1, int Y1, int X2, int Y2, std::uint16_t Style = 0);
  PlotBuilder& ArcByPoints(PlotPoint Center, PlotPoint Start, PlotPoint End, int Width,
                           int AttributeLow = 0);
  // Angles in whole degrees (0..65535); Tag 0x80A4 or 0x80A5.
  PlotBuilder& ArcByAngles(PlotPoint Center, int Radius, int StartAngle, int EndAngle, int Width,
                           int AttributeLow = 0, std::uint16_t Tag = TagArcByAngles);
  // Characters as bytes (8-bit, any value but 0), zero byte and pad byte added.
  PlotBuilder& Text(int X, int Y, std::string_view Chars, const PlotTextStyle& Style = {});
  // The same record with words A and B given directly.
  PlotBuilder& TextWords(int X, int Y, std::uint16_t A, std::uint16_t B, std::string_view Chars);
  // Pin code 0..255; rotation in quarter turns 0..255.
  PlotBuilder& Flash(int PinNumber, int X, int Y, int QuarterTurns = 0);
  PlotBuilder& Polygon(const PlotPolygon& Polygon, std::uint16_t Closing = 0);
  // A polygon of one outline and nothing else.
  PlotBuilder& Polygon(std::initializer_list<PlotPoint> Outline, int Attribute = 0);

  // --- Polygon pieces, for polygons that a PlotPolygon cannot state. ---
  // Tag, attribute word and the first point of the first outline.
  PlotBuilder& BeginPolygon(PlotPoint First, std::uint16_t AttributeWord = 0);
  PlotBuilder& Point(PlotPoint P);
  PlotBuilder& NextOutline(PlotPoint First, std::uint16_t Zero = 0);
  PlotBuilder& Circle(PlotCircle C, std::uint16_t Zero = 0, std::uint16_t Unused = 0);
  // The end tag and the closing word.
  PlotBuilder& EndPolygon(std::uint16_t Closing = 0);

  // --- Result. ---
  const std::vector<std::uint8_t>& Bytes() const { return Content; }
  std::size_t Size() const { return Content.size(); }
  std::string Str() const { return std::string(Content.begin(), Content.end()); }
  // The first Length bytes, for files cut short.
  std::string Prefix(std::size_t Length) const;
  // Writes the bytes to FileName; throws std::runtime_error when it cannot.
  void Save(const std::string& FileName) const;
  // Writes only the first Length bytes.
  void SavePrefix(const std::string& FileName, std::size_t Length) const;

 private:
  PlotBuilder& Unsigned(int Value);
  PlotBuilder& AttributeWord(int Width, int AttributeLow);

  std::vector<std::uint8_t> Content;
};

}  // namespace quillon::test
