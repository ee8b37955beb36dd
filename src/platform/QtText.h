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

// Nothing when the text holds a character Windows-1252 cannot write.
inline std::optional<std::string> ToCp1252(const QString& text) {
  return Utf8ToCp1252(text.toStdString());
}

}  // namespace lrw
