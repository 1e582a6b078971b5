// SPDX-License-Identifier: MIT
#pragma once
// Reading a written archive back, for the tests that check its entries byte
// for byte. Header only: just the test programs that link libzip include it.

#include <zip.h>

#include <map>
#include <string>

namespace quillon::test {

// Every entry of the archive at Path by name; empty when it cannot be opened.
inline std::map<std::string, std::string> ZipContents(const std::string& Path) {
  std::map<std::string, std::string> Contents;
  int Error = 0;
  zip_t* Archive = zip_open(Path.c_str(), ZIP_RDONLY, &Error);
  if (!Archive) return Contents;
  for (zip_int64_t I = 0; I < zip_get_num_entries(Archive, 0); ++I) {
    zip_stat_t Stat;
    zip_stat_index(Archive, static_cast<zip_uint64_t>(I), 0, &Stat);
    std::string Bytes(Stat.size, '\0');
    zip_file_t* File = zip_fopen_index(Archive, static_cast<zip_uint64_t>(I), 0);
    zip_fread(File, Bytes.data(), Bytes.size());
    zip_fclose(File);
    Contents[Stat.name] = Bytes;
  }
  zip_close(Archive);
  return Contents;
}

}  // namespace quillon::test
