// SPDX-License-Identifier: MIT
#include "app/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quillon::app {

namespace {

bool IsSectionLine(const QString& Line) { return Line.startsWith(u'[') && Line.contains(u']'); }

QString SectionName(const QString& Line) { return Line.mid(1, Line.indexOf(u']') - 1).trimmed(); }

bool IsComment(const QString& Line) { return Line.startsWith(u';') || Line.startsWith(u'#'); }

// Values may be written in quotes to keep blanks at their ends.
QString Unquote(const QString& Value) {
  if (Value.size() >= 2 && (Value.front() == u'"' || Value.front() == u'\'') &&
      Value.back() == Value.front())
    return Value.mid(1, Value.size() - 2);
  return Value;
}

QString Quoted(QString Value) {
  // A line break inside a value would start a new line of the file.
  Value.remove(u'\r');
  Value.remove(u'\n');
  const bool Padded = !Value.isEmpty() && (Value.front().isSpace() || Value.back().isSpace());
  return Padded || Unquote(Value) != Value ? u'"' + Value + u'"' : Value;
}

bool IsAsciiDigits(QStringView Text, int Base) {
  if (Text.isEmpty()) return false;
  for (const QChar C : Text) {
    const char16_t U = C.unicode();
    const bool Digit = U >= u'0' && U <= u'9';
    const bool HexLetter = (U >= u'a' && U <= u'f') || (U >= u'A' && U <= u'F');
    if (!Digit && !(Base == 16 && HexLetter)) return false;
  }
  return true;
}

}  // namespace

TIniFile::TIniFile(QString FileName) : Path(std::move(FileName)) {
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly)) return;
  QString Text = QString::fromUtf8(File.readAll());
  if (Text.startsWith(QChar(0xFEFF))) Text.remove(0, 1);
  Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Text.replace(u'\r', u'\n');
  Lines = Text.split(u'\n');
  if (!Lines.isEmpty() && Lines.back().isEmpty()) Lines.removeLast();
}

qsizetype TIniFile::FindSection(const QString& Section) const {
  for (qsizetype I = 0; I < Lines.size(); ++I) {
    const QString Line = Lines[I].trimmed();
    if (IsSectionLine(Line) && SectionName(Line).compare(Section, Qt::CaseInsensitive) == 0)
      return I;
  }
  return -1;
}

qsizetype TIniFile::FindKey(qsizetype SectionLine, const QString& Key) const {
  for (qsizetype I = SectionLine + 1; I < Lines.size(); ++I) {
    const QString Line = Lines[I].trimmed();
    if (IsSectionLine(Line)) break;
    const qsizetype Eq = Line.indexOf(u'=');
    if (Eq > 0 && !IsComment(Line) &&
        Line.left(Eq).trimmed().compare(Key, Qt::CaseInsensitive) == 0)
      return I;
  }
  return -1;
}

qsizetype TIniFile::SectionEnd(qsizetype SectionLine) const {
  qsizetype End = SectionLine + 1;
  for (qsizetype I = SectionLine + 1; I < Lines.size(); ++I) {
    const QString Line = Lines[I].trimmed();
    if (IsSectionLine(Line)) break;
    if (!Line.isEmpty()) End = I + 1;
  }
  return End;
}

std::optional<QString> TIniFile::Value(const QString& Section, const QString& Key) const {
  const qsizetype SectionLine = FindSection(Section);
  if (SectionLine < 0) return std::nullopt;
  const qsizetype KeyLine = FindKey(SectionLine, Key);
  if (KeyLine < 0) return std::nullopt;
  const QString Line = Lines[KeyLine];
  return Unquote(Line.mid(Line.indexOf(u'=') + 1).trimmed());
}

QString TIniFile::ReadString(const QString& Section, const QString& Key,
                             const QString& Default) const {
  return Value(Section, Key).value_or(Default);
}

std::optional<bool> TIniFile::ParseBool(const QString& Text) {
  QStringView Number = QStringView(Text).trimmed();
  if (Number.startsWith(u'-') || Number.startsWith(u'+')) Number = Number.mid(1);
  int Base = 10;
  if (Number.startsWith(u"0x", Qt::CaseInsensitive)) {
    Number = Number.mid(2);
    Base = 16;
  }
  if (!IsAsciiDigits(Number, Base)) return std::nullopt;
  // Only zero or not matters, so any length of digits is read.
  for (const QChar C : Number)
    if (C != u'0') return true;
  return false;
}

bool TIniFile::ReadBool(const QString& Section, const QString& Key, bool Default) const {
  const std::optional<QString> Text = Value(Section, Key);
  return Text ? ParseBool(*Text).value_or(Default) : Default;
}

void TIniFile::WriteString(const QString& Section, const QString& Key, const QString& NewValue) {
  const QString Line = Key + u'=' + Quoted(NewValue);
  qsizetype SectionLine = FindSection(Section);
  if (SectionLine < 0) {
    if (!Lines.isEmpty() && !Lines.back().trimmed().isEmpty()) Lines.append(QString());
    Lines.append(u'[' + Section + u']');
    Lines.append(Line);
  } else if (const qsizetype KeyLine = FindKey(SectionLine, Key); KeyLine >= 0) {
    Lines[KeyLine] = Line;
  } else {
    Lines.insert(SectionEnd(SectionLine), Line);
  }
  Store();
}

void TIniFile::WriteBool(const QString& Section, const QString& Key, bool NewValue) {
  WriteString(Section, Key, NewValue ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::Store() const {
  QDir().mkpath(QFileInfo(Path).absolutePath());
  QSaveFile File(Path);
  // A file that may be written in a folder that may not still takes the value.
  File.setDirectWriteFallback(true);
  bool Ok = File.open(QIODevice::WriteOnly);
  if (Ok) {
    const QByteArray Text = (Lines.join(u'\n') + u'\n').toUtf8();
    Ok = File.write(Text) == Text.size() && File.commit();
  }
  if (!Ok) throw std::runtime_error("Unable to write to " + Path.toStdString());
}

}  // namespace quillon::app
