// SPDX-License-Identifier: MIT
#pragma once
// What the window tests share: a QApplication for the whole run, a window
// whose settings live in a temporary folder, message boxes answered by a
// hook, and small plot files written byte by byte.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "TestFiles.h"
#include "app/QuillonMain.h"

// Readable failure messages for the toolkit's strings.
inline void PrintTo(const QString& Text, std::ostream* Out) {
  *Out << '"' << Text.toStdString() << '"';
}

namespace quillon::test {

// Hands every message box to the test instead of showing it: records its
// icon, text and button captions and presses the button whose caption
// (without "&") is next in Answers, or Otherwise when none is left.
class TBoxRecorder {
 public:
  struct TBox {
    int Icon = 0;
    QString Text;
    QString Details;  // the informative text below
    QStringList Buttons;
  };

  TBoxRecorder();
  ~TBoxRecorder();
  TBoxRecorder(const TBoxRecorder&) = delete;
  TBoxRecorder& operator=(const TBoxRecorder&) = delete;

  std::deque<QString> Answers;
  QString Otherwise;  // pressed when Answers is used up; empty: the first button
  std::vector<TBox> Boxes;
  QStringList Texts() const;
};

// A plot file: header (version 4.0, scale word 1000) and the given layers
// (name, number); records can be appended to Body.
std::string PlotBytes(const std::vector<std::pair<std::string, int>>& Layers,
                      const std::string& Body = {});
// Record bytes: a layer select and a line.
std::string SelectLayer(int Number);
std::string LineRecord(int Width, int X1, int Y1, int X2, int Y2);
std::string FlashRecord(int PinCode, int X, int Y);

// A window with its settings file in Tmp and every box going to Boxes.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Creates the window again, reading the settings file again.
  void Reopen();
  std::string WritePlot(const std::string& Name, const std::string& Bytes);
  // A board whose drill layer flashes pin 9, which the description leaves
  // undefined: a Gerber conversion asks once per layer file.
  void OpenQuestionBoard();

  TempDir Tmp;
  std::unique_ptr<TBoxRecorder> Boxes;
  std::unique_ptr<app::TQuillonMain> Window;
  QString IniFile;
};

// The captions of a combo box's entries.
QStringList Entries(const class QComboBox* Combo);

}  // namespace quillon::test
