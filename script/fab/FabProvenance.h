// SPDX-License-Identifier: MIT
#pragma once
// Who made the fab package, when, and of which project: the same values in
// the job file, in every Gerber file's attributes and in the Excellon files'
// comments, so that a loose file can be tied to its job and two revisions
// told apart. Nothing here names a local folder: the package goes to a third
// party.

#include <string>
#include <string_view>
#include <vector>

namespace quillon {
class TScriptingPcb;
}

namespace quillon::fab {

struct TProjectId {
  std::string Name;  // the plot's name, written as an attribute field
  std::string Guid;  // stable for a name, so that conversions stay reproducible
  std::string Revision;
};

TProjectId ProjectIdOf(const TScriptingPcb& Board);

// The file attributes every file of the package carries, as the text between
// '%' and '*': "TF.GenerationSoftware,Quillon,quillon,<version>",
// "TF.CreationDate,<date>" (when the board has one) and
// "TF.ProjectId,<name>,<GUID>,<revision>".
std::vector<std::string> ProvenanceAttributes(const TScriptingPcb& Board);

// The title comment of a fab file: Title with the folders of the plot's path
// left out ("Plt FileName: /home/x/demo.plt" -> "Plt FileName: demo.plt").
std::string FabTitle(std::string_view Title);

// The package's creation date, ISO 8601 in UTC: SOURCE_DATE_EPOCH (seconds
// since 1970) when it is set and valid, so that two conversions give the same
// package, else now.
std::string CreationDateNow();

}  // namespace quillon::fab
