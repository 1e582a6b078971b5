// SPDX-License-Identifier: MIT
// The plot file reader: one forward pass from the first byte to the last.

#include <array>
#include <cmath>
#include <filesystem>
#include <new>
#include <numbers>
#include <vector>

#include "model/Pcb.h"
#include "model/PlotByteReader.h"
#include "model/PlotError.h"
#include "model/PlotFormat.h"

namespace quillon {

const char* VersionText(std::uint16_t Code) {
  switch (Code) {
    case 2:
      return "1.31";
    case 3:
      return "2.0";
    case 4:
      return "4.0";
    default:
      return "Неизвестная версия!";
  }
}

namespace {

// R * cos(Angle) or R * sin(Angle) rounded to the nearest integer, halves to
// the even neighbour (the default rounding mode). The angle is not reduced to
// 0..359 first, so 360 and 720 land where the trigonometry puts them.
std::int32_t ArcOffset(std::uint16_t Radius, std::uint16_t Angle, bool Sine) {
  const double Radians = Angle * std::numbers::pi / 180.0;
  const double Product = Radius * (Sine ? std::sin(Radians) : std::cos(Radians));
  return static_cast<std::int32_t>(std::nearbyint(Product));
}

// How many items of each kind a layer of the file holds.
struct TLayerCounts {
  std::size_t Lines = 0, Arcs = 0, Texts = 0, Flashes = 0, Polygons = 0;
  std::size_t PolygonBytes = 0;  // what the polygons' own lists take
};

// Reads one plot file into a board. A layer header and every simple record
// are read whole before their item is added, so a file cut short leaves no
// half-filled item behind; only a polygon keeps what was read of it.
//
// With Counts, the reader only counts each layer's items (its board keeps
// the layer table and nothing else): a first pass over the file, so that the
// real one can give every list its size at once. A million items added to
// lists that double would touch about twice the model's memory, and fresh
// pages cost more than reading the file twice.
class TPlotReader {
 public:
  TPlotReader(TPcb& Pcb, const std::string& FileName, std::vector<TLayerCounts>* Counts = nullptr)
      : Pcb(Pcb), In(FileName, Pcb.Prompts()), Counts(Counts) {
    std::error_code Failed;
    const auto Size = std::filesystem::file_size(FileName, Failed);
    FileSize = Failed ? 0 : static_cast<std::int64_t>(Size);
  }

  // Returns false for a bad signature or when an unrecognised tag was met.
  // Sizes: the counts of a counting pass over the same file, if any.
  bool Read(const std::vector<TLayerCounts>& Sizes = {}) {
    if (!ReadHeader()) return false;
    ReadLayerTable();
    if (Counts) Counts->assign(static_cast<std::size_t>(Pcb.Layers.Count()), {});
    if (Sizes.size() == static_cast<std::size_t>(Pcb.Layers.Count())) Reserve(Sizes);
    return ReadBody();
  }

 private:
  bool ReadHeader();
  void ReadLayerTable();
  TLayer ReadLayerHeader();
  bool ReadBody();
  bool ReadRecord(std::uint16_t Tag);

  void ReadLayerSelect();
  void ReadLine(std::uint16_t Tag);
  void ReadFilledRectangle();
  void ReadArcByPoints();
  void ReadArcByAngles();
  void ReadText();
  void ReadFlash();
  void ReadComplexPolygon();
  void ReadPolygonPieces();
  std::uint16_t ReadOutline();
  void ReadCircle();
  void KeepPolygon(std::int32_t Attribute);
  void ExpectZeroWord();

  TLayer& Current() { return Pcb.Layers.Items(Pcb.CurrentLayer); }
  void Reserve(const std::vector<TLayerCounts>& Sizes);
  // Adds Item to List, or only counts it in the counting pass.
  template <class T>
  void Keep(TCollection<T>& List, T&& Item, std::size_t TLayerCounts::*Count) {
    if (Counts)
      ++((*Counts)[static_cast<std::size_t>(Pcb.CurrentLayer)].*Count);
    else
      List.Add() = std::move(Item);
  }

  TPcb& Pcb;
  TPlotByteReader In;
  // Index of the first layer with each number, built once after the layer
  // table: a board selects layers in every few records, and a scan per
  // selection would grow with the layer count.
  std::array<std::int32_t, 256> LayerByNumber{};
  std::int64_t FileSize = 0;  // 0 when unknown: progress then stays at 0
  std::vector<TLayerCounts>* Counts = nullptr;

  // The polygon being read: its lists only get their final home, each sized
  // once, when the polygon ends. Reused from polygon to polygon.
  struct TPolygonPieces {
    std::vector<TOutlinePoint> Points;
    std::vector<std::size_t> OutlineStarts;  // index of each outline's first point
    std::vector<TPcbArc> Circles;
  } Pieces;
};

void TPlotReader::Reserve(const std::vector<TLayerCounts>& Sizes) {
  std::size_t PolygonBytes = 0;
  for (std::size_t I = 0; I < Sizes.size(); ++I) {
    TLayer& Layer = Pcb.Layers.Items(static_cast<int>(I));
    Layer.Lines.Reserve(Sizes[I].Lines);
    Layer.Arcs.Reserve(Sizes[I].Arcs);
    Layer.Texts.Reserve(Sizes[I].Texts);
    Layer.Flashes.Reserve(Sizes[I].Flashes);
    Layer.Polygons.Reserve(Sizes[I].Polygons);
    PolygonBytes += Sizes[I].PolygonBytes;
  }
  Pcb.ReservePolygonMemory(PolygonBytes);
}

bool TPlotReader::ReadHeader() {
  if (In.ReadWord() != PlotSignature) {
    Pcb.Prompts().NotifyUser(BadSignatureText);
    return false;
  }
  const std::uint16_t Version = In.ReadWord();
  TExtents Extents;
  Extents.Left = In.ReadWord();
  Extents.Top = In.ReadWord();
  Extents.Right = In.ReadWord();
  Extents.Bottom = In.ReadWord();
  In.ReadWord();  // not used
  const std::uint16_t ScaleWord = In.ReadWord();
  Pcb.Version = VersionText(Version);
  Pcb.Extents = Extents;
  Pcb.Scale = ScaleWord / 1000.0;
  return true;
}

void TPlotReader::ReadLayerTable() {
  const std::int64_t CountOffset = In.Offset();
  const std::uint16_t Count = In.ReadWord();
  In.ReadWord();  // not used; read before the count is judged
  if (Count == 0) throw TPlotError("Range check error", In.FileName(), CountOffset);
  // Layers are added one by one as their headers arrive, so a count that the
  // file cannot back ends at the end of the file, not in a huge allocation.
  for (int i = 0; i < Count; ++i) Pcb.Layers.Add() = ReadLayerHeader();
  LayerByNumber.fill(-1);
  for (int i = Pcb.Layers.Count() - 1; i >= 0; --i) LayerByNumber[Pcb.Layers.Items(i).Number] = i;
}

TLayer TPlotReader::ReadLayerHeader() {
  TLayer Layer;
  bool NameEnded = false;
  for (int c = 0; c < LayerNameBytes; ++c) {
    // Bytes after the name's zero byte are ignored even when not zero.
    const std::uint8_t Char = In.ReadByte();
    NameEnded = NameEnded || Char == 0;
    if (!NameEnded) Layer.Name.push_back(static_cast<char>(Char));
  }
  Layer.Number = In.ReadByte();
  Layer.Attribute = In.ReadByte();
  return Layer;
}

bool TPlotReader::ReadBody() {
  bool Result = true;
  // Telling the front end costs a little: only every few thousand records.
  constexpr unsigned ReportEvery = 4096;
  unsigned UntilReport = 0;
  while (!In.AtEnd()) {
    if (UntilReport-- == 0) {
      UntilReport = ReportEvery;
      Pcb.Checkpoint("Loading", FileSize > 0 ? static_cast<int>(In.Offset() * 100 / FileSize) : 0);
    }
    const std::uint8_t Low = In.ReadByte();
    if (In.AtEnd()) break;  // a single trailing byte is no record
    const auto Tag = static_cast<std::uint16_t>(Low | (In.ReadByte() << 8));
    if (!ReadRecord(Tag)) {
      // The next word is taken as the next tag: this resynchronises after a
      // stray word without giving up the rest of the board.
      Result = false;
      ++Pcb.UnknownTagCount;
    }
  }
  return Result;
}

bool TPlotReader::ReadRecord(std::uint16_t Tag) {
  switch (Tag) {
    case recLayerSelect:
      ReadLayerSelect();
      return true;
    case recLine:
    case recRectangle:
      ReadLine(Tag);
      return true;
    case recFilledRectangle:
      ReadFilledRectangle();
      return true;
    case recArcByPoints:
      ReadArcByPoints();
      return true;
    case recArcByAngles:
    case recArcByAnglesAlt:
      ReadArcByAngles();
      return true;
    case recText:
      ReadText();
      return true;
    case recFlash:
      ReadFlash();
      return true;
    case recComplexPolygon:
      ReadComplexPolygon();
      return true;
    default:
      return false;
  }
}

void TPlotReader::ReadLayerSelect() {
  const std::int32_t Index = LayerByNumber[HighByte(In.ReadWord())];
  // An unknown number keeps the previous layer.
  if (Index >= 0) Pcb.CurrentLayer = Index;
}

void TPlotReader::ReadLine(std::uint16_t Tag) {
  TPcbLine Line;
  const std::uint16_t Attribute = In.ReadWord();
  Line.Kind = Tag;
  Line.AttributeLow = LowByte(Attribute);
  Line.Width = HighByte(Attribute) ? HighByte(Attribute) : 1;
  Line.StartX = In.ReadSigned();
  Line.StartY = In.ReadSigned();
  Line.EndX = In.ReadSigned();
  Line.EndY = In.ReadSigned();
  Keep(Current().Lines, std::move(Line), &TLayerCounts::Lines);
}

void TPlotReader::ReadFilledRectangle() {
  TPcbLine Line;
  Line.Kind = kindFilledRectangle;
  Line.StyleWord = In.ReadWord();
  Line.Width = 1;
  Line.StartX = In.ReadSigned();
  Line.StartY = In.ReadSigned();
  Line.EndX = In.ReadSigned();
  Line.EndY = In.ReadSigned();
  Keep(Current().Lines, std::move(Line), &TLayerCounts::Lines);
}

void TPlotReader::ReadArcByPoints() {
  TPcbArc Arc;
  const std::uint16_t Attribute = In.ReadWord();
  Arc.AttributeLow = LowByte(Attribute);
  Arc.Width = HighByte(Attribute);
  Arc.CenterX = In.ReadSigned();
  Arc.CenterY = In.ReadSigned();
  Arc.StartX = In.ReadSigned();
  Arc.StartY = In.ReadSigned();
  Arc.EndX = In.ReadSigned();
  Arc.EndY = In.ReadSigned();
  Keep(Current().Arcs, std::move(Arc), &TLayerCounts::Arcs);
}

void TPlotReader::ReadArcByAngles() {
  TPcbArc Arc;
  const std::uint16_t Attribute = In.ReadWord();
  Arc.AttributeLow = LowByte(Attribute);
  Arc.Width = HighByte(Attribute);
  Arc.CenterX = In.ReadSigned();
  Arc.CenterY = In.ReadSigned();
  const std::uint16_t Radius = In.ReadWord();
  In.ReadWord();  // not used
  const std::uint16_t StartAngle = In.ReadWord();
  const std::uint16_t EndAngle = In.ReadWord();
  Arc.StartX = Arc.CenterX + ArcOffset(Radius, StartAngle, false);
  Arc.StartY = Arc.CenterY + ArcOffset(Radius, StartAngle, true);
  Arc.EndX = Arc.CenterX + ArcOffset(Radius, EndAngle, false);
  Arc.EndY = Arc.CenterY + ArcOffset(Radius, EndAngle, true);
  Keep(Current().Arcs, std::move(Arc), &TLayerCounts::Arcs);
}

void TPlotReader::ReadText() {
  TPcbText Text;
  In.ReadWord();  // not used
  Text.X = In.ReadSigned();
  Text.Y = In.ReadSigned();
  const std::uint16_t A = In.ReadWord();
  const std::uint16_t B = In.ReadWord();
  Text.Rotation = (LowByte(A) & 3) * 90;
  Text.Mirror = LowByte(A) & 4;
  // The two size bytes are added, not joined: 128 steps, not 256.
  Text.Size = HighByte(A) + 128 * LowByte(B);
  Text.Justification = HighByte(B);
  for (std::uint8_t Char = In.ReadByte(); Char != 0; Char = In.ReadByte())
    Text.Text.push_back(static_cast<char>(Char));
  // Characters and their zero byte are padded to an even length.
  if (Text.Text.size() % 2 == 0) In.ReadByte();
  Keep(Current().Texts, std::move(Text), &TLayerCounts::Texts);
}

void TPlotReader::ReadFlash() {
  TPcbFlash Flash;
  Flash.PinNumber = In.ReadByte();
  Flash.Rotation = In.ReadByte() * 90;
  Flash.X = In.ReadSigned();
  Flash.Y = In.ReadSigned();
  Keep(Current().Flashes, std::move(Flash), &TLayerCounts::Flashes);
}

// A polygon joins the board even when an error stops it: the outlines begun
// and the points read up to there are kept.
void TPlotReader::ReadComplexPolygon() {
  const std::uint8_t Attribute = LowByte(In.ReadWord());
  Pieces.Points.clear();
  Pieces.OutlineStarts.clear();
  Pieces.Circles.clear();
  try {
    ReadPolygonPieces();
  } catch (...) {
    KeepPolygon(Attribute);
    throw;
  }
  KeepPolygon(Attribute);
}

void TPlotReader::ReadPolygonPieces() {
  std::uint16_t Piece = ReadOutline();
  for (bool Complete = false; !Complete;) {
    switch (Piece) {
      case polyEnd:
        Complete = true;
        break;
      case polyNextOutline:
        ExpectZeroWord();
        Piece = ReadOutline();
        break;
      case polyCircle:
        ReadCircle();
        Piece = In.ReadWord();
        break;
      default:
        Pcb.Prompts().NotifyUser("Ошибка при чтении полигонов!");
        Complete = true;
        break;
    }
  }
  In.ReadWord();  // closing word, not used
}

void TPlotReader::KeepPolygon(std::int32_t Attribute) {
  if (Counts) {
    TLayerCounts& Count = (*Counts)[static_cast<std::size_t>(Pcb.CurrentLayer)];
    ++Count.Polygons;
    // Each list rounded up to the arena's 16-byte alignment.
    Count.PolygonBytes += Pieces.OutlineStarts.size() * sizeof(TPoligonOutLine) +
                          Pieces.Points.size() * sizeof(TOutlinePoint) +
                          Pieces.Circles.size() * sizeof(TPcbArc) +
                          (Pieces.OutlineStarts.size() + 2) * 16;
    return;
  }
  TPcbComplexPolygon& Polygon = Current().Polygons.Add(Pcb.PolygonAllocator());
  Polygon.Attribute = Attribute;
  const std::vector<std::size_t>& Starts = Pieces.OutlineStarts;
  const TOutlinePoint* Points = Pieces.Points.data();
  Polygon.OutLines.Reserve(Starts.size());
  for (std::size_t I = 0; I < Starts.size(); ++I) {
    const std::size_t End = I + 1 < Starts.size() ? Starts[I + 1] : Pieces.Points.size();
    Polygon.OutLines.Add().Lines.AssignPoints(Points + Starts[I], Points + End);
  }
  Polygon.Circles.Assign(Pieces.Circles.begin(), Pieces.Circles.end());
}

// Reads the outline's points and returns the piece tag that ends it. The first
// point is never taken for a tag; every later x is.
std::uint16_t TPlotReader::ReadOutline() {
  Pieces.OutlineStarts.push_back(Pieces.Points.size());
  TOutlinePoint Point;
  Point.X = In.ReadSigned();
  Point.Y = In.ReadSigned();
  Pieces.Points.push_back(Point);
  for (;;) {
    const std::uint16_t W = In.ReadWord();
    if (W == polyNextOutline || W == polyCircle || W == polyEnd) return W;
    Point.X = static_cast<std::int16_t>(W);
    Point.Y = In.ReadSigned();
    Pieces.Points.push_back(Point);
  }
}

void TPlotReader::ReadCircle() {
  In.ReadWord();  // not used
  TPcbArc Circle;
  Circle.CenterX = In.ReadSigned();
  Circle.CenterY = In.ReadSigned();
  const std::int32_t Radius = In.ReadSigned();
  Circle.StartX = Circle.EndX = Circle.CenterX + Radius;
  Circle.StartY = Circle.EndY = Circle.CenterY;
  Pieces.Circles.push_back(Circle);
  ExpectZeroWord();
}

void TPlotReader::ExpectZeroWord() {
  const std::int64_t At = In.Offset();
  if (In.ReadWord() != 0) throw TPlotError("Assertion failure", In.FileName(), At);
}

}  // namespace

namespace {

// The counting pass: on a board of its own, silent; whatever stops it is
// met and reported again by the real pass.
std::vector<TLayerCounts> CountItems(const std::string& FileName) {
  std::vector<TLayerCounts> Counts;
  TPcb Scratch;
  try {
    TPlotReader(Scratch, FileName, &Counts).Read();
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception&) {
    // The counts up to there still size the lists of what the real pass reads.
  }
  return Counts;
}

}  // namespace

bool TPcb::LoadFromFile(const std::string& FileName) {
  ClearLayers();
  CurrentLayer = 0;
  UnknownTagCount = 0;
  const std::vector<TLayerCounts> Sizes = CountItems(FileName);
  TPlotReader Reader(*this, FileName);
  return Reader.Read(Sizes);
}

}  // namespace quillon
