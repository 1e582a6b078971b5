// SPDX-License-Identifier: MIT
#pragma once
// The window's language: English (the source texts) or Russian. Chosen from
// the system locale unless "--lang" names one; the compiled translation lives
// beside the program in the build folder and in share/quillon/translations
// once installed.

#include <QString>
#include <QStringList>
#include <memory>

class QLocale;
class QTranslator;

namespace quillon::app {

// The languages the window speaks; the first is the source language.
const QStringList& WindowLanguages();

// "ru" for a Russian system locale, otherwise "en".
QString LanguageOfLocale(const QLocale& Locale);

// The folders searched for quillon_<lang>.qm, in order.
QStringList TranslationFolders(const QString& ExeFolder);

// The window's translation into Language, or null for English. Throws with
// a message naming the folders searched when the file is missing.
std::unique_ptr<QTranslator> LoadWindowTranslation(const QString& Language,
                                                   const QString& ExeFolder);

// Qt's own translation of its standard dialogs, or null when the system has
// none for Language: those texts then stay English.
std::unique_ptr<QTranslator> LoadQtTranslation(const QString& Language);

}  // namespace quillon::app
