// SPDX-License-Identifier: MIT
// Any bytes as a plot file: the reader must end with a result or one of its
// stopping errors, never crash, hang or read out of bounds, and a stop at the
// end of the file must come after its "EOF!!!!!" message.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "model/Pcb.h"
#include "model/PlotError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  quillon::fuzz::TScratchFile File({reinterpret_cast<const char*>(Data), Size});
  quillon::fuzz::TByteAnswers Prompts(0);
  quillon::TPcb Board;
  Board.SetPrompts(&Prompts);
  try {
    const bool Known = Board.LoadFromFile(File.Path());
    quillon::fuzz::Check(!Known || Board.UnknownTagCount == 0, "true despite unknown tags");
    quillon::fuzz::Check(Prompts.LastMessage() != "EOF!!!!!", "EOF message without a stop");
  } catch (const quillon::TPlotError& E) {
    const std::string What = E.what();
    if (What == "Read beyond end of file") {
      quillon::fuzz::Check(Prompts.LastMessage() == "EOF!!!!!", "stop at the end without EOF!!!!!");
      quillon::fuzz::Check(E.Offset == static_cast<std::int64_t>(Size),
                           "end of file not at the end");
    } else {
      quillon::fuzz::Check(What == "Range check error" || What == "Assertion failure",
                           "unexpected stopping error");
    }
  }
  return 0;
}
