#include "app/Translation.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>
#include <stdexcept>

namespace quillon::app {

namespace {

// Qt's translation tools file a class's texts under its bare name: they do
// not follow "namespace quillon::app {". The window's Q_OBJECT classes ask
// under their full name, so the namespace is taken off before the look-up.
class TWindowTranslator final : public QTranslator {
 public:
  QString translate(const char* Context, const char* Source, const char* Disambiguation,
                    int N) const override {
    static constexpr char Namespace[] = "quillon::app::";
    if (Context && std::strncmp(Context, Namespace, sizeof Namespace - 1) == 0)
      Context += sizeof Namespace - 1;
    return QTranslator::translate(Context, Source, Disambiguation, N);
  }
};

}  // namespace

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
  auto Translator = std::make_unique<TWindowTranslator>();
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
