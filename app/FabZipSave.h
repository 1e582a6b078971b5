// SPDX-License-Identifier: MIT
#pragma once
// "Fab package (*.zip)" in Save As: the package saved as one archive and
// nothing else. Its entries are the files a save beside the archive would
// write, named after the archive ("board.zip" holds board.GTL, ...), without
// the text macro, exactly as the command line's --zip puts them in; no loose
// file is written.

#include <QString>
#include <string>

#include "script/ScriptPcb.h"

namespace quillon::app {

// True for a name the window saves as a package archive: ".zip" in any case.
bool IsZipName(const QString& FileName);

// Prepares the save (its job file) and writes the archive atomically.
// Throws, before anything is written, TOutputCollision when two entries would
// share a name and TSaveError naming ZipPath when it is one of the board's
// input files or cannot be written.
void SaveFabPackageZip(TScriptingPcb& Board, const std::string& ZipPath);

}  // namespace quillon::app
