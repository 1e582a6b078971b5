#pragma once
// TEMPORARY until the pin reader's pins/CodePage.h is merged: same declaration.
#include <string>
#include <string_view>

namespace quillon {
std::string OemToAnsi(std::string_view Text);
}
