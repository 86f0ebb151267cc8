// The program keeps its texts as Latin-1 bytes (the files are Latin-1); the widgets
// take QString. Paths are the exception: they stay in the file system's own encoding.
#pragma once

#include <QString>
#include <QStringDecoder>
#include <string>
#include <string_view>

namespace platform {

inline QString fromLatin1(std::string_view s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string toLatin1(const QString& s) {
  const QByteArray b = s.toLatin1();
  return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}
inline QString fromPath(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string toPath(const QString& s) { return s.toStdString(); }

// A message that may hold a file name beside the program's Latin-1 text: bytes that are
// valid UTF-8 with some character beyond ASCII are a name as the file system writes it
// and read as UTF-8; anything else is Latin-1.
inline QString fromText(std::string_view s) {
  bool beyondAscii = false;
  for (const char c : s) beyondAscii = beyondAscii || static_cast<unsigned char>(c) >= 0x80;
  if (!beyondAscii) return fromLatin1(s);
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString decoded = utf8.decode(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
  return utf8.hasError() ? fromLatin1(s) : decoded;
}

// Typed text as the program keeps it: Latin-1 when every character has a Latin-1 byte,
// else UTF-8, as a file written in UTF-8 gives it, so no character is lost and fromText
// shows it again.
inline std::string toText(const QString& s) {
  bool latin1 = true;
  for (const QChar c : s) latin1 = latin1 && c.unicode() <= 0xFF;
  if (latin1) return toLatin1(s);
  const QByteArray b = s.toUtf8();
  return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

}  // namespace platform
