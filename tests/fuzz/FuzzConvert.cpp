// SPDX-License-Identifier: MIT
// A whole conversion of a fuzzed board with a fuzzed pin description, in
// every format. Input: 8 choice bytes, a 2-byte pin text length, the pin text,
// then the plot file. Questions are answered from the input, so none blocks.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "model/PlotError.h"
#include "script/ScriptPcb.h"

namespace {

// The Gerber layer files of any board land in the chosen folder, under a
// name without a path separator or a control character. (A name may hold
// "..", as in "1a..gbr" of layer "a.", but is never ".." itself: the index
// comes first.)
void CheckLayerFileNames(quillon::TScriptingPcb& Board) {
  const std::string Folder = "/chosen/folder/";
  Board.PrepareSave(Folder + "out.gbr");
  for (const quillon::TOutputFile& Output : Board.OutputFiles(Folder + "out.gbr")) {
    if (Output.Role != quillon::TOutputRole::Layer) continue;
    const std::string& Name = Output.Path;
    quillon::fuzz::Check(Name.compare(0, Folder.size(), Folder) == 0,
                         "layer file outside the folder");
    const std::string_view File = std::string_view(Name).substr(Folder.size());
    for (const char C : File) {
      const auto Byte = static_cast<unsigned char>(C);
      quillon::fuzz::Check(C != '/' && C != '\\' && Byte >= 0x20 && Byte != 0x7F,
                           "layer file name with a separator or control character");
    }
    quillon::fuzz::Check(!File.empty() && File.front() >= '0' && File.front() <= '9',
                         "layer file name without its index");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 10) return 0;
  const std::uint8_t* Choice = Data;
  std::size_t PinLength = static_cast<std::size_t>(Data[8] | (Data[9] << 8));
  const std::size_t Rest = Size - 10;
  if (PinLength > Rest) PinLength = Rest;
  const std::string_view PinText(reinterpret_cast<const char*>(Data) + 10, PinLength);
  const std::string_view Plot(reinterpret_cast<const char*>(Data) + 10 + PinLength,
                              Rest - PinLength);

  quillon::fuzz::TScratchFile File(Plot);
  quillon::fuzz::TByteAnswers Answers(Choice[0]);
  quillon::TScriptingPcb Board;
  Board.SetPrompts(&Answers);
  try {
    Board.LoadFromFile(File.Path());
  } catch (const quillon::TPlotError&) {
    // The window converts what was read before the stop as well.
  }
  Board.Pins.Parse(PinText, Choice[1] & 1);
  Board.Pins.SetUnits(static_cast<std::uint8_t>(Choice[1] % 6),
                      static_cast<std::uint8_t>(Choice[2] % 6));
  Board.PadTopLayer = Choice[3] % 8;
  Board.PadBottomLayer = Choice[4] % 8;
  Board.MaskTopLayer = Choice[5] % 8;
  Board.MaskBottomLayer = Choice[6] % 8;
  Board.DrillLayer = Choice[7] % 8;
  Board.AddViewCommands = Choice[2] & 0x80;
  static const double Scales[] = {0.01, 0.0254, 0.025, 1.0, 1e-6, 1e6};
  const double Scale = Scales[Choice[0] % 6];
  const std::uint8_t Formats[] = {0, 1, 3};
  for (std::uint8_t Format : Formats) {
    try {
      Board.Convert(static_cast<std::uint8_t>(Choice[1] | Choice[2]), Format, Scale);
    } catch (const std::exception&) {
      // A conversion may stop with an error (a pad layer that is no layer).
    }
    if (Format == 1) CheckLayerFileNames(Board);
  }
  return 0;
}
