#include "pins/Pins.h"
#include "script/TextLines.h"

namespace quillon {

// Filled in by the pin description reader.
void TPins::Parse(const TTextLines& Lines, std::uint8_t Layout) {
  (void)Lines;
  (void)Layout;
}

void TPins::Parse(std::string_view Text, std::uint8_t Layout) {
  Parse(TTextLines::FromText(Text), Layout);
}

}  // namespace quillon
