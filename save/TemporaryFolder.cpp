// SPDX-License-Identifier: MIT
#include "save/TemporaryFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "save/SaveError.h"

namespace quillon {

TTemporaryFolder::TTemporaryFolder(const std::string& Prefix) {
  const char* Tmp = std::getenv("TMPDIR");
  std::string Template = std::string(Tmp && *Tmp ? Tmp : "/tmp") + "/" + Prefix + "-XXXXXX";
  // mkdtemp makes the folder readable by its owner only.
  if (!mkdtemp(Template.data())) throw TSaveError(Template, std::strerror(errno));
  Folder = Template;
}

TTemporaryFolder::~TTemporaryFolder() {
  // Nothing to do about a file that cannot be removed: it stays in $TMPDIR.
  std::error_code Ignored;
  std::filesystem::remove_all(Folder, Ignored);
}

}  // namespace quillon
