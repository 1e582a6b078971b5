// SPDX-License-Identifier: MIT
#include "script/fab/FabZip.h"

#include <zip.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace quillon::fab {

namespace {

// 2000-01-01 00:00 in the archive's own date fields: a fixed date, not the
// clock, and written as is, not through the local time zone.
constexpr zip_uint16_t EntryDosTime = 0;
constexpr zip_uint16_t EntryDosDate = ((2000 - 1980) << 9) | (1 << 5) | 1;

struct TSourceFree {
  void operator()(zip_source_t* Source) const { zip_source_free(Source); }
};
using TSource = std::unique_ptr<zip_source_t, TSourceFree>;

[[noreturn]] void Fail(const std::string& What, zip_error_t* Error) {
  const std::string Reason = zip_error_strerror(Error);
  zip_error_fini(Error);
  throw std::runtime_error("cannot build the zip archive: " + What + ": " + Reason);
}

[[noreturn]] void Fail(const std::string& What, zip_t* Archive) {
  const std::string Reason = zip_strerror(Archive);
  zip_discard(Archive);
  throw std::runtime_error("cannot build the zip archive: " + What + ": " + Reason);
}

void AddEntries(zip_t* Archive, const std::vector<TZipEntry>& Entries) {
  for (const TZipEntry& Entry : Entries) {
    zip_source_t* Data = zip_source_buffer(Archive, Entry.Bytes.data(), Entry.Bytes.size(), 0);
    if (!Data) Fail(Entry.Name, Archive);
    const zip_int64_t Index = zip_file_add(Archive, Entry.Name.c_str(), Data, ZIP_FL_ENC_GUESS);
    if (Index < 0) {
      zip_source_free(Data);
      Fail(Entry.Name, Archive);
    }
    const auto At = static_cast<zip_uint64_t>(Index);
    if (zip_file_set_dostime(Archive, At, EntryDosTime, EntryDosDate, 0) < 0)
      Fail(Entry.Name, Archive);
  }
}

std::string ReadAll(zip_source_t* Source) {
  zip_stat_t Stat;
  if (zip_source_stat(Source, &Stat) < 0 || !(Stat.valid & ZIP_STAT_SIZE))
    throw std::runtime_error("cannot build the zip archive: its size is unknown");
  std::string Bytes(static_cast<std::size_t>(Stat.size), '\0');
  if (zip_source_open(Source) < 0)
    throw std::runtime_error("cannot build the zip archive: it cannot be read back");
  const zip_int64_t Read = zip_source_read(Source, Bytes.data(), Bytes.size());
  zip_source_close(Source);
  if (Read < 0 || static_cast<std::size_t>(Read) != Bytes.size())
    throw std::runtime_error("cannot build the zip archive: it cannot be read back");
  return Bytes;
}

}  // namespace

std::string ZipArchive(const std::vector<TZipEntry>& Entries) {
  zip_error_t Error;
  zip_error_init(&Error);
  TSource Buffer(zip_source_buffer_create(nullptr, 0, 0, &Error));
  if (!Buffer) Fail("memory", &Error);
  zip_source_keep(Buffer.get());  // the archive's close must leave the bytes to us
  zip_t* Archive = zip_open_from_source(Buffer.get(), ZIP_TRUNCATE, &Error);
  if (!Archive) {
    zip_source_free(Buffer.get());  // undoes the keep above
    Fail("memory", &Error);
  }
  zip_error_fini(&Error);
  AddEntries(Archive, Entries);
  if (zip_close(Archive) < 0) Fail("writing", Archive);
  return ReadAll(Buffer.get());
}

}  // namespace quillon::fab
