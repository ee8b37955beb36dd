// Record text (Windows-1252 bytes) to and from Qt strings.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "document/Cp1252.h"

namespace lrw {

inline QString FromCp1252(const std::string& cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

// The Windows-1252 form, if the text has one (as Utf8ToCp1252).
inline std::optional<std::string> ToCp1252(const QString& text) {
  return Utf8ToCp1252(text.toStdString());
}

}  // namespace lrw
