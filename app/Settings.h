// SPDX-License-Identifier: MIT
#pragma once
// Where the settings file lives. Beside the executable, as a portable
// install keeps it, when that folder is writable or the file is already
// there; otherwise (a system-wide install whose folder belongs to root) in
// the user's configuration folder, so that an ordinary install does not
// report a failed write at every exit.

#include <QString>

namespace quillon::app {

// ExeFolder/quillon.ini or ConfigFolder/quillon/quillon.ini by the rule
// above; an empty ConfigFolder keeps the file beside the executable.
QString SettingsFileName(const QString& ExeFolder, const QString& ConfigFolder);
// The rule applied to this program's folder and the user's configuration folder.
QString SettingsFileName();

// How many plot files the File menu remembers.
constexpr int RecentFileCount = 5;

}  // namespace quillon::app
