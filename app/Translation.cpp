// SPDX-License-Identifier: MIT
#include "app/Translation.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <stdexcept>

namespace quillon::app {

const QStringList& WindowLanguages() {
  static const QStringList Languages{QStringLiteral("en"), QStringLiteral("ru")};
  return Languages;
}

QString LanguageOfLocale(const QLocale& Locale) {
  return Locale.language() == QLocale::Russian ? QStringLiteral("ru") : QStringLiteral("en");
}

QStringList TranslationFolders(const QString& ExeFolder) {
  const QDir Exe(ExeFolder);
  return {QDir::cleanPath(ExeFolder),
          QDir::cleanPath(Exe.filePath(QStringLiteral("../share/quillon/translations")))};
}

std::unique_ptr<QTranslator> LoadWindowTranslation(const QString& Language,
                                                   const QString& ExeFolder) {
  if (Language == WindowLanguages().first()) return nullptr;
  const QString File = QStringLiteral("quillon_") + Language;
  auto Translator = std::make_unique<QTranslator>();
  const QStringList Folders = TranslationFolders(ExeFolder);
  for (const QString& Folder : Folders)
    if (Translator->load(File, Folder)) return Translator;
  throw std::runtime_error("The translation " + File.toStdString() + ".qm is in none of " +
                           Folders.join(QStringLiteral(", ")).toStdString());
}

std::unique_ptr<QTranslator> LoadQtTranslation(const QString& Language) {
  auto Translator = std::make_unique<QTranslator>();
  if (Translator->load(QStringLiteral("qtbase_") + Language,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return Translator;
  return nullptr;
}

}  // namespace quillon::app
