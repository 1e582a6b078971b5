// SPDX-License-Identifier: MIT
#pragma once
// A plain INI file: "[Section]" lines and "Key=Value" lines, section and key
// names matched without regard to letter case. Every write goes to disk at
// once, so a value that cannot be written stops the caller right there and
// the values before it are already stored.

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace quillon::app {

class TIniFile {
 public:
  // Reads FileName when it exists; a missing or unreadable file reads empty.
  explicit TIniFile(QString FileName);

  const QString& FileName() const { return Path; }

  std::optional<QString> Value(const QString& Section, const QString& Key) const;
  QString ReadString(const QString& Section, const QString& Key, const QString& Default) const;
  // Any integer is a boolean, "0x"/"0X" hexadecimal included: 0 is false,
  // every other value true. A missing or non-numeric value gives Default.
  bool ReadBool(const QString& Section, const QString& Key, bool Default) const;

  // Sets the value and rewrites the file; throws std::runtime_error
  // "Unable to write to <file>" when the file cannot be written.
  void WriteString(const QString& Section, const QString& Key, const QString& Value);
  void WriteBool(const QString& Section, const QString& Key, bool Value);  // "1" or "0"

  // The integer value of Text as a boolean; nullopt when Text is no integer.
  static std::optional<bool> ParseBool(const QString& Text);

 private:
  // Index of the line "[Section]", -1 when absent.
  qsizetype FindSection(const QString& Section) const;
  // Index of the key's line inside the section starting at SectionLine, -1 when absent.
  qsizetype FindKey(qsizetype SectionLine, const QString& Key) const;
  // Index just after the last non-blank line of the section.
  qsizetype SectionEnd(qsizetype SectionLine) const;
  void Store() const;

  QString Path;
  QStringList Lines;
};

}  // namespace quillon::app
