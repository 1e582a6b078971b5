#include "app/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace quillon::app {

QString ToQtFilter(const QString& Filter) {
  const QStringList Parts = Filter.split(u'|');
  QStringList Filters;
  for (qsizetype I = 0; I + 1 < Parts.size(); I += 2) {
    QStringList Patterns;
    for (const QString& Pattern : Parts[I + 1].split(u';', Qt::SkipEmptyParts)) {
      const QString P = Pattern.trimmed();
      Patterns.append(P == QStringLiteral("*.*") ? QStringLiteral("*") : P);
    }
    Filters.append(Parts[I] + QStringLiteral(" (") + Patterns.join(u' ') + u')');
  }
  return Filters.join(QStringLiteral(";;"));
}

QString FolderOf(const QString& FileName) {
  const qsizetype Slash = FileName.lastIndexOf(u'/');
  return Slash < 0 ? QString() : FileName.left(Slash == 0 ? 1 : Slash);
}

bool TFileDialog::Execute(QWidget* Parent) {
  QFileDialog Dialog(Parent, Title);
  Dialog.setNameFilter(ToQtFilter(Filter));
  Dialog.setDefaultSuffix(DefaultExt);
  if (Kind == SaveAs) {
    Dialog.setAcceptMode(QFileDialog::AcceptSave);
    Dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    Dialog.setAcceptMode(QFileDialog::AcceptOpen);
    Dialog.setFileMode(QFileDialog::ExistingFile);
  }
  // A file name with a folder opens there; a bare name in the initial folder.
  const QString Folder = FolderOf(FileName);
  Dialog.setDirectory(Folder.isEmpty() ? InitialDir : Folder);
  if (!FileName.isEmpty()) Dialog.selectFile(QFileInfo(FileName).fileName());
  if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return false;
  FileName = Dialog.selectedFiles().front();
  return true;
}

}  // namespace quillon::app
