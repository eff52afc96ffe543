// Catalogue texts as Qt strings.
#pragma once

#include <QString>

#include "core/vskworkspace.h"

namespace vsk {

inline QString QText(const Workspace& ws, Msg id) {
  const std::string_view t = ws.text(id);
  return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// Text fields of data files are bytes: UTF-8 when valid, else Windows-1252 (Latin-1 here).
inline QString QBytes(const std::string& bytes) {
  const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QString s = QString::fromUtf8(raw);
  if (s.contains(QChar::ReplacementCharacter)) s = QString::fromLatin1(raw);
  return s;
}

inline QString QStd(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace vsk
