// SPDX-License-Identifier: MIT
#include "script/fab/FabProvenance.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "script/ScriptPcb.h"

namespace quillon::fab {

namespace {

// A stable identifier of the project: the same plot name gives the same
// GUID, so that a conversion stays byte for byte reproducible. Formatted as
// an RFC 9562 custom (version 8) UUID.
std::string ProjectGuid(const std::string& Name) {
  std::uint64_t High = 14695981039346656037ull, Low = 1099511628211ull;
  for (unsigned char C : Name) {
    High = (High ^ C) * 1099511628211ull;
    Low = (Low ^ C) * 14029467366897019727ull + 1;
  }
  High = (High & ~0xF000ull) | 0x8000ull;
  Low = (Low & 0x3FFFFFFFFFFFFFFFull) | 0x8000000000000000ull;
  char Text[37];
  std::snprintf(Text, sizeof Text, "%08x-%04x-%04x-%04x-%012llx", static_cast<unsigned>(High >> 32),
                static_cast<unsigned>((High >> 16) & 0xFFFF), static_cast<unsigned>(High & 0xFFFF),
                static_cast<unsigned>(Low >> 48),
                static_cast<unsigned long long>(Low & 0xFFFFFFFFFFFFull));
  return Text;
}

// A plot name as one attribute field: a comma would start another field, '*'
// and '%' end the command, and bytes beyond ASCII are the plot's code page,
// which no reader knows; each becomes '_', in the job file too, so that the
// values stay equal.
std::string FieldText(const std::string& Name) {
  std::string Field;
  Field.reserve(Name.size());
  for (const char C : Name) {
    const auto Byte = static_cast<unsigned char>(C);
    const bool Safe = Byte >= 0x20 && Byte < 0x7F && C != ',' && C != '*' && C != '%';
    Field += Safe ? C : '_';
  }
  return Field;
}

}  // namespace

TProjectId ProjectIdOf(const TScriptingPcb& Board) {
  const std::string Name = Board.ProjectName.empty() ? "board" : Board.ProjectName;
  return {FieldText(Name), ProjectGuid(Name), "1"};
}

std::vector<std::string> ProvenanceAttributes(const TScriptingPcb& Board) {
  std::vector<std::string> Attributes{
      "TF.GenerationSoftware,Quillon,quillon," QUILLON_VERSION_TEXT};
  if (!Board.CreationDate.empty()) Attributes.push_back("TF.CreationDate," + Board.CreationDate);
  const TProjectId Id = ProjectIdOf(Board);
  Attributes.push_back("TF.ProjectId," + Id.Name + ',' + Id.Guid + ',' + Id.Revision);
  return Attributes;
}

std::string FabTitle(std::string_view Title) {
  const std::size_t Label = Title.find(": ");
  const std::size_t PathStart = Label == std::string_view::npos ? 0 : Label + 2;
  const std::size_t Slash = Title.find_last_of("/\\");
  if (Slash == std::string_view::npos || Slash < PathStart) return std::string(Title);
  return std::string(Title.substr(0, PathStart)) + std::string(Title.substr(Slash + 1));
}

std::string CreationDateNow() {
  std::time_t Now = std::time(nullptr);
  if (const char* Epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    long long Seconds = 0;
    const char* End = Epoch + std::char_traits<char>::length(Epoch);
    if (const auto R = std::from_chars(Epoch, End, Seconds); R.ec == std::errc() && R.ptr == End)
      Now = static_cast<std::time_t>(Seconds);
  }
  std::tm Utc{};
  if (gmtime_r(&Now, &Utc) == nullptr) return {};
  char Text[32];
  if (std::strftime(Text, sizeof Text, "%Y-%m-%dT%H:%M:%S+00:00", &Utc) == 0) return {};
  return Text;
}

}  // namespace quillon::fab
