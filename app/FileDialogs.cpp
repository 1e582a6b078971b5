// SPDX-License-Identifier: MIT
#include "app/FileDialogs.h"

#include <QDir>
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

QString FilterSuffix(const QString& QtFilter) {
  const qsizetype Open = QtFilter.lastIndexOf(u'(');
  if (Open < 0 || !QtFilter.endsWith(u')')) return QString();
  const QString Patterns = QtFilter.mid(Open + 1, QtFilter.size() - Open - 2).trimmed();
  if (!Patterns.startsWith(QStringLiteral("*.")) || Patterns.contains(u' ')) return QString();
  const QString Suffix = Patterns.mid(2);
  return Suffix.contains(u'*') || Suffix.contains(u'?') ? QString() : Suffix;
}

QString FolderOf(const QString& FileName) {
  const qsizetype Slash = FileName.lastIndexOf(u'/');
  return Slash < 0 ? QString() : FileName.left(Slash == 0 ? 1 : Slash);
}

QString TFileDialog::StartFolder() const {
  const QString Own = FolderOf(FileName);
  if (!Own.isEmpty() && QFileInfo(Own).isDir()) return Own;
  if (!InitialDir.isEmpty() && QFileInfo(InitialDir).isDir()) return InitialDir;
  return QDir::homePath();
}

bool TFileDialog::Execute(QWidget* Parent, const QString& Folder) {
  QFileDialog Dialog(Parent, Title);
  Dialog.setNameFilter(ToQtFilter(Filter));
  Dialog.setDefaultSuffix(DefaultExt);
  // A name typed without extension gets the one of the file type chosen.
  QObject::connect(&Dialog, &QFileDialog::filterSelected, &Dialog, [&](const QString& Chosen) {
    const QString Suffix = FilterSuffix(Chosen);
    Dialog.setDefaultSuffix(Suffix.isEmpty() ? DefaultExt : Suffix);
  });
  if (Kind == SaveAs) {
    Dialog.setAcceptMode(QFileDialog::AcceptSave);
    Dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    Dialog.setAcceptMode(QFileDialog::AcceptOpen);
    Dialog.setFileMode(QFileDialog::ExistingFile);
  }
  Dialog.setDirectory(Folder.isEmpty() ? StartFolder() : Folder);
  if (!FileName.isEmpty()) Dialog.selectFile(QFileInfo(FileName).fileName());
  if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return false;
  FileName = Dialog.selectedFiles().front();
  return true;
}

}  // namespace quillon::app
