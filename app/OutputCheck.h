// SPDX-License-Identifier: MIT
#pragma once
// The check of the output shown, as the window runs it: the files are read
// back where the last save wrote them, or, when the output is only in
// memory, from a private temporary folder they are written to for the check
// alone. The outcome keeps the difference pictures, ready to be laid over
// the board on the Layers page, and says what to tell the user.

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "check/CheckRun.h"
#include "script/ScriptPcb.h"

class QTreeWidget;

namespace quillon::app {

// One difference picture, made fit to lay over the board: what only the plot
// draws in red, what only the file draws in blue, the rest transparent.
struct TDifferencePicture {
  std::size_t File = 0;  // its entry in the result's Files
  QString Name;          // the file's name without folder
  QImage Image;
  preview::TBoxMm Area;                // what Image covers, in the board's millimetres at Scale
  std::vector<preview::TBoxMm> Boxes;  // where the differences are, largest first
};

struct TCheckOutcome {
  check::TCheckResult Result;  // its Picture fields are cleared: the pictures are below
  double Scale = 0;            // millimetres per database unit of the board checked
  std::vector<TDifferencePicture> Pictures;
};

// Checks Files, the output of Board as a save lists them (on the worker).
// InMemory: they are not on disk as they are now, so they are first written
// to a private temporary folder under their own names. Options.Progress is
// the check's own callback. The pictures are loaded before the temporary
// folder goes.
TCheckOutcome CheckOutput(const TScriptingPcb& Board, std::vector<TOutputFile> Files, bool InMemory,
                          check::TCheckOptions Options);

// The largest side of a difference picture: differences smaller than one of
// its pixels still colour the pixel.
inline constexpr int MaxPictureSide = 2048;
// The picture of the check, white where nothing is drawn, red and blue where
// the two sides differ, as a transparent overlay at most MaxPictureSide.
QImage OverlayOf(const QImage& Difference);

class TCheckTexts {
  Q_DECLARE_TR_FUNCTIONS(TCheckTexts)

 public:
  // "matches", "differs", ... for the Output page.
  static QString StatusName(check::TFileStatus Status);
  // The status line after a check.
  static QString Summary(const TCheckOutcome& Outcome);
  static QString ReaderMissing();
  static QString Progress(int Done, int Total);
  // The name a difference picture is listed under.
  static QString PictureName(const check::TFileResult& File);
};

// Fills the check's columns of the Output page's file list (rows in the
// order of Files); without an outcome the columns go.
void ShowCheckColumns(QTreeWidget* List, const std::vector<TOutputFile>& Files,
                      const TCheckOutcome* Outcome);

}  // namespace quillon::app
