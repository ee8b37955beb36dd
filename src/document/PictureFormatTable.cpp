#include "document/PictureFormatTable.h"

#include <cctype>
#include <string>

namespace lrw {

std::optional<int> PictureFormatOf(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const size_t slash = fileName.find_last_of("/\\");
  if (slash != std::string_view::npos && slash > dot) return std::nullopt;
  std::string ext(fileName.substr(dot + 1));
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (size_t i = 0; i < PictureFormatTable.size(); ++i) {
    if (PictureFormatTable[i] == ext) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace lrw
