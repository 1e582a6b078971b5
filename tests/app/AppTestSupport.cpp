// SPDX-License-Identifier: MIT
#include "AppTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QMessageBox>

#include "PlotBuilder.h"
#include "app/GuiPrompts.h"

namespace quillon::test {

namespace {

// One QApplication for the whole test program; the window tests run
// without a display.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    App = std::make_unique<QApplication>(Argc, Argv);
  }
  void TearDown() override { App.reset(); }

 private:
  int Argc = 1;
  char Name[9] = "test_app";
  char* Argv[2] = {Name, nullptr};
  std::unique_ptr<QApplication> App;
};

[[maybe_unused]] ::testing::Environment* const Qt =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

std::string Word(int W) {
  return {static_cast<char>(W & 0xFF), static_cast<char>((W >> 8) & 0xFF)};
}

}  // namespace

TBoxRecorder::TBoxRecorder() {
  app::TGuiPrompts::SetBoxHook([this](QMessageBox& Box) -> QAbstractButton* {
    TBox Seen;
    Seen.Icon = Box.icon();
    Seen.Text = Box.text();
    Seen.Details = Box.informativeText();
    for (QAbstractButton* Button : Box.buttons()) Seen.Buttons.append(Button->text().remove(u'&'));
    Boxes.push_back(Seen);
    if (Box.buttons().isEmpty()) return nullptr;
    if (Answers.empty() && Otherwise.isEmpty()) return Box.buttons().front();
    const QString Wanted = Answers.empty() ? Otherwise : Answers.front();
    if (!Answers.empty()) Answers.pop_front();
    for (QAbstractButton* Button : Box.buttons())
      if (Button->text().remove(u'&') == Wanted) return Button;
    ADD_FAILURE() << "no button " << Wanted.toStdString();
    return nullptr;
  });
}

TBoxRecorder::~TBoxRecorder() { app::TGuiPrompts::SetBoxHook({}); }

QStringList TBoxRecorder::Texts() const {
  QStringList Result;
  for (const TBox& Box : Boxes) Result.append(Box.Text);
  return Result;
}

std::string PlotBytes(const std::vector<std::pair<std::string, int>>& Layers,
                      const std::string& Body) {
  PlotBuilder B;
  B.Word(0x804E).Word(4).Word(0).Word(0).Word(10000).Word(10000).Word(0).Word(1000);
  B.Word(static_cast<std::uint16_t>(Layers.size())).Word(0);
  for (const auto& [Name, Number] : Layers) {
    for (std::size_t I = 0; I < 6; ++I)
      B.Byte(I < Name.size() ? static_cast<std::uint8_t>(Name[I]) : 0);
    B.Byte(static_cast<std::uint8_t>(Number)).Byte(0);
  }
  return B.Str() + Body;
}

std::string SelectLayer(int Number) { return Word(0x80A9) + Word(Number << 8); }

std::string LineRecord(int Width, int X1, int Y1, int X2, int Y2) {
  return Word(0x80A8) + Word(Width << 8) + Word(X1) + Word(Y1) + Word(X2) + Word(Y2);
}

std::string FlashRecord(int PinCode, int X, int Y) {
  return Word(0x8095) + std::string{static_cast<char>(PinCode), 0} + Word(X) + Word(Y);
}

void WindowTest::SetUp() {
  Boxes = std::make_unique<TBoxRecorder>();
  IniFile = QString::fromStdString(Tmp.File("quillon.ini"));
  Window = std::make_unique<app::TQuillonMain>(IniFile);
}

void WindowTest::TearDown() {
  Window.reset();
  Boxes.reset();
}

void WindowTest::Reopen() {
  Window.reset();
  Window = std::make_unique<app::TQuillonMain>(IniFile);
}

std::string WindowTest::WritePlot(const std::string& Name, const std::string& Bytes) {
  const std::string Path = Tmp.File(Name);
  WriteFile(Path, Bytes);
  return Path;
}

void WindowTest::OpenQuestionBoard() {
  const std::string Pins = Tmp.File("p.txt");
  WriteFile(Pins, "0  0.9  1.6\r\n");
  const std::string Body = SelectLayer(2) + FlashRecord(1, 10, 10) + FlashRecord(9, 20, 20);
  Window->FileOpenAccept(
      QString::fromStdString(WritePlot("q.plt", PlotBytes({{"COMP", 1}, {"PIN", 2}}, Body))));
  Window->PinFileOpenAccept(QString::fromStdString(Pins));
  Window->ReadPinBtnClick();
  Window->FormatActExecute(2);
}

QStringList Entries(const QComboBox* Combo) {
  QStringList Result;
  for (int I = 0; I < Combo->count(); ++I) Result.append(Combo->itemText(I));
  return Result;
}

}  // namespace quillon::test
