#include "PlotBuilder.h"

#include <fstream>
#include <stdexcept>

namespace quillon::test {

PlotBuilder& PlotBuilder::Byte(std::uint8_t B) {
  Data.push_back(B);
  return *this;
}

PlotBuilder& PlotBuilder::Word(std::uint16_t W) {
  Data.push_back(static_cast<std::uint8_t>(W & 0xFF));
  Data.push_back(static_cast<std::uint8_t>(W >> 8));
  return *this;
}

void PlotBuilder::Save(const std::string& FileName) const {
  std::ofstream F(FileName, std::ios::binary | std::ios::trunc);
  F.write(reinterpret_cast<const char*>(Data.data()), static_cast<std::streamsize>(Data.size()));
  if (!F) throw std::runtime_error("cannot write " + FileName);
}

}  // namespace quillon::test
