// SPDX-License-Identifier: MIT
// quillon-gui-bench [RECORDS]: drives the real window offscreen on the bench
// board (one million records unless told): load, each format's conversion
// until the Output page shows it, the first paint of the Layers page, one
// zoom and one pan step (each also until the board is drawn anew behind
// it: "sharp" is the longer wait), and the longest time the window's event loop did not run over
// all of them. The last line is the summary; each wait for the picture is also
// told in the user CPU time of the whole process, steadier on a shared machine.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <fstream>
#include <string>

#include <sys/resource.h>

#include "BoardGenerator.h"
#include "app/GuiPrompts.h"
#include "app/LayersView.h"
#include "app/OutputView.h"
#include "app/QuillonMain.h"
#include "model/Pcb.h"

namespace {

using quillon::app::TQuillonMain;

bool WriteAll(const std::string& FileName, const std::string& Bytes) {
  std::ofstream F(FileName, std::ios::binary | std::ios::trunc);
  F.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  return static_cast<bool>(F);
}

// The largest gap between two turns of the event loop. A timer beats every
// few milliseconds while the loop runs; a step that blocks the window's
// thread shows as one long gap, closed when the step returns.
class TStallMeter {
 public:
  TStallMeter() {
    Beat.setTimerType(Qt::PreciseTimer);
    Beat.setInterval(2);
    QObject::connect(&Beat, &QTimer::timeout, [this] { Tick(); });
    Beat.start();
    Since.start();
  }
  void Restart() { Since.restart(); }
  void Tick() {
    const qint64 Gap = Since.restart();
    Longest = std::max(Longest, Gap);
    LongestOfStep = std::max(LongestOfStep, Gap);
  }
  qint64 LongestMs() const { return Longest; }
  // The longest gap since the last step ended, told under the step's name:
  // which step holds the window up.
  void EndStep(const char* Name) {
    Steps += (Steps.empty() ? "" : ", ") + std::string(Name) + ' ' + std::to_string(LongestOfStep) +
             " ms";
    LongestOfStep = 0;
  }
  const std::string& PerStep() const { return Steps; }

 private:
  QTimer Beat;
  QElapsedTimer Since;
  qint64 Longest = 0;
  qint64 LongestOfStep = 0;
  std::string Steps;
};

// A field of /proc/self/status in megabytes: VmHWM the peak, VmRSS now.
long Megabytes(const std::string& Field) {
  std::ifstream Status("/proc/self/status");
  std::string Line;
  while (std::getline(Status, Line))
    if (Line.rfind(Field + ':', 0) == 0) return std::stol(Line.substr(Field.size() + 1)) / 1024;
  return -1;
}

// The peak starts again from what is in use now, so that each step's own
// peak can be told (where the kernel allows it).
void RestartPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The CPU time of the whole process (every thread, the drawing workers too)
// in user mode: on a shared machine it tells the work apart from the wait.
double UserSeconds() {
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  return static_cast<double>(Usage.ru_utime.tv_sec) +
         static_cast<double>(Usage.ru_utime.tv_usec) / 1e6;
}

void PressKey(QWidget* To, int Key) {
  QKeyEvent Press(QEvent::KeyPress, Key, Qt::NoModifier);
  QApplication::sendEvent(To, &Press);
}

}  // namespace

int main(int Argc, char** Argv) {
  long long Records = 1000000;
  if (Argc > 2 ||
      (Argc == 2 &&
       (std::from_chars(Argv[1], Argv[1] + std::char_traits<char>::length(Argv[1]), Records).ec !=
            std::errc() ||
        Records < 0))) {
    std::fprintf(stderr, "usage: quillon-gui-bench [RECORDS]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale::c());
  QApplication App(Argc, Argv);
  std::setlocale(LC_NUMERIC, "C");

  QTemporaryDir Folder;
  const std::string Plot = Folder.filePath(QStringLiteral("bench.plt")).toStdString();
  const std::string Pins = Folder.filePath(QStringLiteral("bench.txt")).toStdString();
  {
    quillon::TPcb Board;
    quillon::bench::GenerateBoard(Board, Records);
    if (!WriteAll(Plot, quillon::bench::PlotFileBytes(Board)) ||
        !WriteAll(Pins, quillon::bench::BenchPinDescription())) {
      std::fprintf(stderr, "quillon-gui-bench: cannot write the board into %s\n",
                   Folder.path().toLocal8Bit().constData());
      return 1;
    }
  }
  // Every question (none is expected: each pin is described) answered Yes to All.
  quillon::app::TGuiPrompts::SetBoxHook(
      [](QMessageBox& Box) -> QAbstractButton* { return Box.buttons().value(4); });

  TQuillonMain Window(Folder.filePath(QStringLiteral("quillon.ini")));
  Window.resize(1000, 700);
  Window.show();
  QApplication::processEvents();
  TStallMeter Stall;
  QElapsedTimer Clock;
  // Runs one step and returns its seconds; the gap since the loop last ran
  // closes with it.
  auto Measure = [&](const char* Name, const auto& Step) {
    QApplication::processEvents();
    Stall.Restart();
    Clock.start();
    Step();
    const double Seconds = static_cast<double>(Clock.nsecsElapsed()) / 1e9;
    Stall.Tick();
    Stall.EndStep(Name);
    return Seconds;
  };

  const double Load = Measure("load", [&] {
    Window.FileOpenAccept(QString::fromStdString(Plot));
    Window.PinFileOpenAccept(QString::fromStdString(Pins));  // read at once
  });
  std::printf("load: %lld records, %d layers, %.2f s, memory %ld MB\n", Records,
              Window.Board->Layers.Count(), Load, Megabytes("VmRSS"));

  double Convert[3] = {};
  const char* const Names[3] = {"cam350", "gerber", "genesis"};
  for (int Tag = 1; Tag <= 3; ++Tag) {
    Window.FormatActExecute(Tag);
    const long Before = Megabytes("VmRSS");
    RestartPeak();
    Convert[Tag - 1] = Measure(Names[Tag - 1], [&] {
      Window.ConvertActionExecute();
      Window.MemoLog->viewport()->repaint();
    });
    std::printf(
        "%s: %d lines (%zu MB of text), %.2f s, memory %ld MB before, peak %ld MB, %ld MB "
        "after\n",
        Names[Tag - 1], Window.MemoLog->LineCount(), Window.Board->Output.TextBytes() >> 20,
        Convert[Tag - 1], Before, Megabytes("VmHWM"), Megabytes("VmRSS"));
  }

  auto* View = Window.LayersPage()->findChild<quillon::app::TLayersView*>();
  QWidget* Canvas = View->View();
  const double Layers = Measure("layers", [&] {
    Window.MPageControl->setCurrentWidget(Window.LayersPage());
    Canvas->repaint();
  });
  // The picture is drawn on workers while the window goes on answering; the
  // time until it is shown is told, the loop's gaps meanwhile count in the
  // stall. Each wait is told as wall time and the process's user CPU time.
  struct TWait {
    double Wall = 0, User = 0;
  };
  auto Drawn = [&](const char* Name) {
    const double UserBefore = UserSeconds();
    Clock.start();
    View->WaitForPicture(600000);
    const TWait Wait{static_cast<double>(Clock.nsecsElapsed()) / 1e9, UserSeconds() - UserBefore};
    Stall.Tick();
    Stall.EndStep(Name);
    return Wait;
  };
  const TWait LayersDrawn = Drawn("drawing");
  // A step shows the last picture scaled or moved at once; "sharp" is the
  // wait until the board is drawn anew at the newest view.
  const double Zoom = Measure("zoom", [&] {
    PressKey(Canvas, Qt::Key_Plus);
    Canvas->repaint();
  });
  const TWait ZoomDrawn = Drawn("drawing after zoom");
  const double Pan = Measure("pan", [&] {
    PressKey(Canvas, Qt::Key_Left);
    Canvas->repaint();
  });
  const TWait PanDrawn = Drawn("drawing after pan");
  std::printf(
      "layers: first paint %.2f s, board drawn after %.2f s more (user CPU %.2f s); sharp again "
      "%.0f ms after a zoom step (user CPU %.0f ms), %.0f ms after a pan step (user CPU %.0f "
      "ms)\n",
      Layers, LayersDrawn.Wall, LayersDrawn.User, ZoomDrawn.Wall * 1000, ZoomDrawn.User * 1000,
      PanDrawn.Wall * 1000, PanDrawn.User * 1000);
  std::printf("longest stall per step: %s\n", Stall.PerStep().c_str());
  quillon::app::TGuiPrompts::SetBoxHook({});

  // How long the user waits for a sharp picture after a zoom or a pan.
  const double Sharp = std::max(ZoomDrawn.Wall, PanDrawn.Wall);
  const double SharpUser = std::max(ZoomDrawn.User, PanDrawn.User);
  std::printf(
      "gui: load %.2f s; cam350 %.2f s; gerber %.2f s; genesis %.2f s; layers %.2f s; zoom %.0f "
      "ms; pan %.0f ms; sharp %.2f s (user CPU %.2f s); stall %lld ms\n",
      Load, Convert[0], Convert[1], Convert[2], Layers, Zoom * 1000, Pan * 1000, Sharp, SharpUser,
      static_cast<long long>(Stall.LongestMs()));
  return 0;
}
