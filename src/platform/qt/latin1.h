// The program keeps its texts as Latin-1 bytes (the files are Latin-1); the widgets
// take QString. Paths are the exception: they stay in the file system's own encoding.
#pragma once

#include <QString>
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

}  // namespace platform
