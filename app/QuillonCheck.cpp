// SPDX-License-Identifier: MIT
// Output > Check: the files of the output shown read back by an independent
// reader and compared with the plot, on the worker, with progress and Cancel.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <algorithm>

#include "app/DifferenceOverlay.h"
#include "app/FabZipSave.h"
#include "app/OutputCheck.h"
#include "app/OutputView.h"
#include "app/QuillonMain.h"
#include "app/WorkRunner.h"
#include "check/GerbvReader.h"

namespace quillon::app {

namespace {

bool ReadBackByReader(const TOutputFile& File) {
  return File.Role == TOutputRole::Layer || File.Role == TOutputRole::Drill ||
         File.Role == TOutputRole::NonPlatedDrill;
}

}  // namespace

void TQuillonMain::CheckActExecute() {
  if (Busy() || Board->Output.Empty()) return;
  // The files as the last save wrote them, unless they are only in memory
  // or only inside the archive. The names are those the Output page lists
  // (an archive's entries are named after it too), so the job file made
  // for them stays as it is and the page goes on showing its lines.
  const bool Archive = !LastSaveName.isEmpty() && Board->FabPackageMade && IsZipName(LastSaveName);
  const bool InMemory = LastSaveName.isEmpty() || Archive;
  const std::string Main = QFile::encodeName(SaveTarget()).toStdString();
  MPageControl->setCurrentWidget(OutputSheet);
  Guarded([&] {
    Board->PrepareSave(Main);
    const std::vector<TOutputFile> Files = Board->OutputFiles(Main);
    if (std::any_of(Files.begin(), Files.end(), ReadBackByReader) &&
        !check::ReaderAvailable(CheckOptions.Reader)) {
      StatusText->setText(TCheckTexts::ReaderMissing());
      Prompts.ReportError(TCheckTexts::ReaderMissing());
      return;
    }
    check::TCheckOptions Options = CheckOptions;
    Options.Items = ConvertedItems;
    Options.Progress = [this](int Done, int Total) {
      if (CheckProgressHook) CheckProgressHook(Done, Total);
      emit Runner->StageChanged(TCheckTexts::Progress(Done, Total),
                                Total > 0 ? Done * 100 / Total : 100);
      return !Runner->CancelRequested();
    };
    auto Outcome = std::make_unique<TCheckOutcome>();
    StatusText->setText(TCheckTexts::Progress(
        0, static_cast<int>(std::count_if(Files.begin(), Files.end(), ReadBackByReader))));
    try {
      Runner->Run([&] { *Outcome = CheckOutput(*Board, Files, InMemory, Options); });
    } catch (...) {
      StatusText->setText(TCheckTexts::tr("Check stopped"));
      throw;
    }
    ForgetCheck();
    CheckOutcome = std::move(Outcome);
    DifferenceBar->SetOutcome(CheckOutcome.get());
    ShowCheckColumns(OutputSheet->FileList(), Files, CheckOutcome.get());
    StatusText->setText(TCheckTexts::Summary(*CheckOutcome));
  });
}

void TQuillonMain::ForgetCheck() {
  // The bar shows the outcome's pictures: it lets go of them first.
  DifferenceBar->SetOutcome(nullptr);
  CheckOutcome.reset();
}

}  // namespace quillon::app
