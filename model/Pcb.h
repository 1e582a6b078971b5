#pragma once
// The board model: layers and their items, every coordinate in the plot
// file's own database units. Nothing is converted here; writers multiply by
// Scale when they print.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

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

struct TPoligonOutLine {
  TPcbLines Lines;
};
using TPoligonOutLines = TCollection<TPoligonOutLine>;

struct TPcbComplexPolygon {
  TPoligonOutLines OutLines;
  TPcbArcs Circles;
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

class TPcb {
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
