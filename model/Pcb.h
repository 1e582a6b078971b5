// SPDX-License-Identifier: MIT
#pragma once
// The board model: layers and their items, every coordinate in the plot
// file's own database units. Nothing is converted here; writers multiply by
// Scale when they print.

#include <array>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <string>
#include <utility>
#include <vector>

#include "model/Collection.h"
#include "model/Progress.h"
#include "model/UserPrompts.h"

namespace quillon {

// Record tags that a line carries as its Kind.
constexpr std::uint16_t kindLine = 0x80A8;
constexpr std::uint16_t kindRectangle = 0x80A7;
constexpr std::uint16_t kindFilledRectangle = 0x80A6;

struct TPcbLine {
  std::int32_t EndX = 0, EndY = 0;
  std::int32_t StartX = 0, StartY = 0;
  std::uint8_t AttributeLow = 0;
  std::int32_t Width = 0;
  std::uint16_t Kind = 0;
  std::uint16_t StyleWord = 0;
};
using TPcbLines = TCollection<TPcbLine>;

struct TPcbArc {
  std::int32_t CenterX = 0, CenterY = 0;
  std::int32_t EndX = 0, EndY = 0;
  std::int32_t StartX = 0, StartY = 0;
  std::uint8_t AttributeLow = 0;
  std::int32_t Width = 0;
};
using TPcbArcs = TCollection<TPcbArc>;

struct TPcbText {
  std::int32_t X = 0, Y = 0;
  std::int32_t Rotation = 0;
  std::uint8_t Mirror = 0;
  std::int32_t Size = 0;
  std::uint8_t Justification = 0;
  std::string Text;  // 8-bit characters as read
};
using TPcbTexts = TCollection<TPcbText>;

struct TPcbFlash {
  std::int32_t PinNumber = 0;
  std::int32_t Rotation = 0;
  std::int32_t X = 0, Y = 0;
};
using TPcbFlashes = TCollection<TPcbFlash>;

// A board holds tens of thousands of polygons, each of a few small lists.
// The plot reader puts them, sized once, in one arena of the board (see
// TPcb::PolygonAllocator); a polygon built by hand, or a copy, uses the heap.
using TPolygonAllocator = std::pmr::polymorphic_allocator<std::byte>;
template <class T>
using TPolygonList = TCollection<T, std::pmr::polymorphic_allocator<T>>;
using TPolygonCircles = TPolygonList<TPcbArc>;

struct TOutlinePoint {
  std::int32_t X = 0, Y = 0;
  bool operator==(const TOutlinePoint&) const = default;
};

// An outline's segments, each a line of Kind kindLine, Width 0 and
// AttributeLow 0 from its Start to its End, the End of one being the Start of
// the next. So they are kept as the points they join: one point per segment
// instead of a whole line, most of a big board's polygon memory.
class TOutlineSegments {
 public:
  using allocator_type = TPolygonAllocator;

  TOutlineSegments() = default;
  explicit TOutlineSegments(const allocator_type& Allocator) : Points(Allocator) {}
  TOutlineSegments(const TOutlineSegments& Other, const allocator_type& Allocator)
      : Points(Other.Points, Allocator) {}
  TOutlineSegments(TOutlineSegments&& Other, const allocator_type& Allocator)
      : Points(std::move(Other.Points), Allocator) {}

  // A lone first point is no segment yet.
  int Count() const { return Points.size() < 2 ? 0 : static_cast<int>(Points.size()) - 1; }
  bool Empty() const { return Count() == 0; }
  TPcbLine Items(int Index) const {
    TPcbLine Segment;
    Segment.Kind = kindLine;
    const TOutlinePoint& Start = Points[static_cast<std::size_t>(Index)];
    const TOutlinePoint& End = Points[static_cast<std::size_t>(Index) + 1];
    Segment.StartX = Start.X;
    Segment.StartY = Start.Y;
    Segment.EndX = End.X;
    Segment.EndY = End.Y;
    return Segment;
  }

  // The outline's first point, then the End of each further segment.
  void AddPoint(std::int32_t X, std::int32_t Y) { Points.push_back({X, Y}); }
  // Replaces the points with [First, Last), in one allocation.
  void AssignPoints(const TOutlinePoint* First, const TOutlinePoint* Last) {
    Points.assign(First, Last);
  }
  const std::pmr::vector<TOutlinePoint>& AllPoints() const { return Points; }

  // Segments by value, in order: for (const TPcbLine& Segment : Outline.Lines).
  class TIterator {
   public:
    TIterator(const TOutlineSegments& Owner, int Index) : Owner(&Owner), Index(Index) {}
    TPcbLine operator*() const { return Owner->Items(Index); }
    TIterator& operator++() {
      ++Index;
      return *this;
    }
    bool operator==(const TIterator& Other) const { return Index == Other.Index; }

   private:
    const TOutlineSegments* Owner;
    int Index;
  };
  TIterator begin() const { return TIterator(*this, 0); }
  TIterator end() const { return TIterator(*this, Count()); }

 private:
  std::pmr::vector<TOutlinePoint> Points;
};

struct TPoligonOutLine {
  using allocator_type = TPolygonAllocator;
  TPoligonOutLine() = default;
  explicit TPoligonOutLine(const allocator_type& Allocator) : Lines(Allocator) {}
  TPoligonOutLine(const TPoligonOutLine& Other, const allocator_type& Allocator)
      : Lines(Other.Lines, Allocator) {}
  TPoligonOutLine(TPoligonOutLine&& Other, const allocator_type& Allocator)
      : Lines(std::move(Other.Lines), Allocator) {}

  TOutlineSegments Lines;
};
using TPoligonOutLines = TPolygonList<TPoligonOutLine>;

struct TPcbComplexPolygon {
  using allocator_type = TPolygonAllocator;
  TPcbComplexPolygon() = default;
  explicit TPcbComplexPolygon(const allocator_type& Allocator)
      : OutLines(Allocator), Circles(Allocator) {}

  TPoligonOutLines OutLines;
  TPolygonCircles Circles;
  std::int32_t Attribute = 0;
};
using TPcbComplexPolygons = TCollection<TPcbComplexPolygon>;

struct TLayer {
  std::string Name;  // 0 to 6 characters
  std::uint8_t Attribute = 0;
  std::uint8_t Number = 0;
  TPcbLines Lines;
  TPcbArcs Arcs;
  TPcbTexts Texts;
  TPcbFlashes Flashes;
  TPcbComplexPolygons Polygons;
};

class TLayers : public TCollection<TLayer> {
 public:
  // Index of the first layer whose Number is Number, -1 when there is none.
  std::int32_t IndexOfNumber(std::uint8_t Number) const;
};

struct TExtents {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class TPolygonArena;

class TPcb {
 private:
  // Declared before Layers, whose polygons may live in it. Held by pointer,
  // so that it can go with the layers to another board.
  std::unique_ptr<TPolygonArena> PolygonArena;

 public:
  TPcb();
  virtual ~TPcb();
  TPcb(const TPcb&) = delete;
  TPcb& operator=(const TPcb&) = delete;

  // Reads a plot file into the board (see PlotReader.cpp). Returns false for a
  // bad signature or when any unrecognised tag was met; stopping errors are
  // thrown as TPlotError.
  bool LoadFromFile(const std::string& FileName);

  double Scale = 0.0;
  std::string Version;
  TExtents Extents;
  std::int32_t CurrentLayer = 0;
  TLayers Layers;

  // Number of unrecognised tags met by the last load (0 when it returned true
  // after a good signature); front ends report it.
  std::int64_t UnknownTagCount = 0;

  // The arena for polygons that live as long as the board's layers: what a
  // load allocates here is given back all at once by the next load or the
  // board's end. Polygons kept elsewhere are copied, not moved, out of it;
  // whole layers move to another board with TakeLayers.
  TPolygonAllocator PolygonAllocator();
  // Drops every layer, and gives back the memory their polygons lived in.
  void ClearLayers();
  // Gives the arena a first block of Bytes: a load that knows what its
  // polygons take asks for it at once, one block instead of a growing
  // series. Does nothing once a polygon lives in the arena.
  void ReservePolygonMemory(std::size_t Bytes);
  // Replaces this board's layers with From's, together with the memory their
  // polygons live in; From is left with this board's old layers' memory.
  void TakeLayers(TPcb& From);

  // The prompts the board talks through; never null.
  TUserPrompts& Prompts() const { return *PromptsPtr; }
  // Connects a front end's prompts; nullptr restores the silent default. The
  // board does not own them.
  void SetPrompts(TUserPrompts* Prompts);

  // Connects a front end's progress display (not owned; nullptr: none).
  void SetProgress(TProgress* Progress) { ProgressPtr = Progress; }
  // Tells the progress display that a stage begins and ends the step with
  // TCancelled when the user asked to stop. Layer >= 0 is appended as
  // " of layer N"; nothing is formatted without a display.
  void Checkpoint(std::string_view Text, int Percent, int Layer = -1) const;
  // The cheap check for hot loops: only the cancel flag.
  void CheckCancel() const {
    if (ProgressPtr && ProgressPtr->CancelRequested()) throw TCancelled();
  }

 private:
  TUserPrompts* PromptsPtr;
  TProgress* ProgressPtr = nullptr;
};

}  // namespace quillon
