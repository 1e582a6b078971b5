#pragma once
// Writes plot files record by record, so that a test (or a generator) states
// its input readably: PlotBuilder().Header().Layers({{"TOP", 1}}).Line(...).
// Filled in with the plot reader.

#include <cstdint>
#include <string>
#include <vector>

namespace quillon::test {

class PlotBuilder {
 public:
  // Raw bytes and words, low byte first.
  PlotBuilder& Byte(std::uint8_t B);
  PlotBuilder& Word(std::uint16_t W);
  const std::vector<std::uint8_t>& Bytes() const { return Data; }
  std::string Str() const { return std::string(Data.begin(), Data.end()); }
  void Save(const std::string& FileName) const;

 private:
  std::vector<std::uint8_t> Data;
};

}  // namespace quillon::test
