// SPDX-License-Identifier: MIT
#pragma once
// The window's three file dialogs. Each keeps its file name and initial
// folder between uses; the handlers read and set them, and a dialog is only
// opened when the user picks its menu entry.

#include <QString>

class QWidget;

namespace quillon::app {

struct TFileDialog {
  enum TKind { OpenExisting, SaveAs };

  TKind Kind = OpenExisting;
  QString Title;       // empty: the toolkit's own title
  QString DefaultExt;  // without the dot
  QString Filter;      // "description|pattern|description|pattern..."
  QString FileName;
  QString InitialDir;

  // Where the dialog opens: the folder of FileName when it has one that
  // exists, else InitialDir when it exists, else the user's home folder.
  QString StartFolder() const;

  // Shows the dialog modally in Folder (empty: StartFolder()); on acceptance
  // FileName holds the chosen path and the result is true. Saving asks
  // before replacing a file.
  bool Execute(QWidget* Parent, const QString& Folder = QString());
};

// "P-Cad 4.5 PLOT files, *.plt|*.plt|All Files *.*|*.*" becomes
// "P-Cad 4.5 PLOT files, *.plt (*.plt);;All Files *.* (*)": pairs of
// description and pattern, ";" between patterns, and "*.*" meaning every
// file (on this platform "*.*" would miss names without a dot).
QString ToQtFilter(const QString& Filter);

// "zip" for "Fab package (*.zip)": the extension of a Qt filter with a single
// plain "*.ext" pattern; empty for several patterns or a wildcard one.
QString FilterSuffix(const QString& QtFilter);

// The folder part of a path ("" for a bare name).
QString FolderOf(const QString& FileName);

}  // namespace quillon::app
