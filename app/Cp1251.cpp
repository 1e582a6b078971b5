// SPDX-License-Identifier: MIT
#include "app/Cp1251.h"

#include <QStringDecoder>

#include "text/CodePage.h"

namespace quillon::app {

QString FromCp1251(std::string_view Bytes) {
  QString Text(static_cast<qsizetype>(Bytes.size()), Qt::Uninitialized);
  QChar* Out = Text.data();
  for (const char C : Bytes) {
    const auto B = static_cast<unsigned char>(C);
    *Out++ = QChar(Cp1251Char(B));
  }
  return Text;
}

std::string ToCp1251(const QString& Text) {
  std::string Bytes;
  Bytes.reserve(static_cast<std::size_t>(Text.size()));
  for (qsizetype I = 0; I < Text.size(); ++I) {
    const char16_t C = Text[I].unicode();
    Bytes.push_back(Cp1251Byte(C));
    if (QChar::isHighSurrogate(C) && I + 1 < Text.size() && Text[I + 1].isLowSurrogate()) ++I;
  }
  return Bytes;
}

QString FromCoreText(std::string_view Text) {
  QStringDecoder Utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString Decoded = Utf8.decode(QByteArrayView(Text.data(), static_cast<qsizetype>(Text.size())));
  return Utf8.hasError() ? FromCp1251(Text) : Decoded;
}

}  // namespace quillon::app
