// SPDX-License-Identifier: MIT
#include "script/ScriptPcb.h"
#include "script/cam350/Cam350Syntax.h"

namespace quillon {

namespace {

// The CAM350 justification code of a plot Justification 8 * v + h: a part for
// the horizontal h (1 left 8, 2 centre 16, 3 right 0) plus a part for the
// vertical v (3 gives 4, 4 gives 1, 5 gives 2). A code outside the plot
// file's nine keeps Previous: an unknown anchor is not worth a guess.
int Cam350Justification(std::uint8_t Justification, int Previous) {
  switch (Justification) {
    case 25:
      return 12;
    case 26:
      return 20;
    case 27:
      return 4;
    case 33:
      return 9;
    case 34:
      return 17;
    case 35:
      return 5;
    case 41:
      return 10;
    case 42:
      return 18;
    case 43:
      return 6;
    default:
      return Previous;
  }
}

// The text settings last written in this run. They carry over from layer to
// layer, since CAM350 keeps them until told otherwise.
struct TTextSettings {
  int Justification = 4;
  std::uint8_t Mirror = 0;
  std::int32_t Rotation = 0;
  std::int32_t Size = 0;  // database units
};

}  // namespace

void TScriptingPcb::MakeCam350Text() {
  // The remembered settings below start at justification 4 and no mirror;
  // these two lines make CAM350's own settings agree with them.
  Output.Add("textjust@ 4");
  Output.Add("textmirror@ 0");
  TTextSettings Last;
  for (int LayerIndex = 0; LayerIndex < Layers.Count(); ++LayerIndex) {
    const TLayer& Layer = Layers.Items(LayerIndex);
    if (Layer.Texts.Empty()) continue;
    cam350::WriteSetLayer(Output, LayerIndex);
    for (const TPcbText& Text : Layer.Texts) {
      // Texts are stroked with the round aperture of 10 database units.
      const std::int32_t DCode = cam350::UseRoundAperture(Apertures, Output, 10 * Scale);
      LineBuilder(Output) << "setdcode@ " << DCode;

      const int Justification = Cam350Justification(Text.Justification, Last.Justification);
      if (Justification != Last.Justification) LineBuilder(Output) << "textjust@ " << Justification;
      Last.Justification = Justification;

      if (Text.Mirror != Last.Mirror)
        Output.Add(Text.Mirror != 0 ? "textmirror@ 1" : "textmirror@ 0");
      Last.Mirror = Text.Mirror;

      if (Text.Rotation != Last.Rotation)  // hundredths of a degree, "%4.2d"
        LineBuilder(Output) << "textangle@ " << PaddedInt{std::int64_t{Text.Rotation} * 100, 4, 2};
      Last.Rotation = Text.Rotation;

      if (Text.Size != Last.Size)
        LineBuilder(Output) << "textfullheight@ " << F42(Text.Size * Scale);
      Last.Size = Text.Size;

      // The anchor goes in as both the position and the pick point.
      const cam350::Point Anchor = cam350::Scaled(Text.X, Text.Y, Scale);
      LineBuilder(Output) << "addtext@ " << Anchor << ',' << Anchor << ','
                          << cam350::Quoted{Text.Text};
      Output.Add("back@");
    }
    cam350::WriteViewAll(Output, AddViewCommands);
  }
}

}  // namespace quillon
