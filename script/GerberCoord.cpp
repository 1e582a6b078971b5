#include "script/GerberCoord.h"

namespace quillon {

// Filled in by the Gerber writer.
void TGerberCoord::AppendCoord(std::string& Out, double Value) const { (void)Out; (void)Value; }

std::string TGerberCoord::FormatCoord(double Value) const {
  std::string S;
  AppendCoord(S, Value);
  return S;
}

}  // namespace quillon
