// Shortcut (.lnk) files for tests, written byte by byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lrw::test {

// Builds shortcut files byte by byte: header, optional ID list, optional LinkInfo with a
// local path, and the StringData strings. Strings are given as UTF-8 for Unicode links and
// as the stored Windows-1252 bytes for ANSI links.
struct LinkFields {
  bool unicode = true;
  bool idList = false;
  std::optional<std::string> localPath;  // LinkInfo's local base path (ANSI bytes)
  bool forceNoLinkInfo = false;          // the flag that says LinkInfo is to be ignored
  std::optional<std::string> name, relativePath, workingDir, arguments, iconLocation;
  int32_t iconIndex = 0;
  uint32_t showCommand = 1;
  uint16_t hotKey = 0;
};

inline void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

inline void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

inline std::u16string Utf8ToUtf16(const std::string& s) {
  std::u16string out;
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<uint8_t>(s[i]);
    const int n = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    char32_t cp = n == 0 ? c : c & (0x3F >> n);
    for (int k = 1; k <= n; ++k) cp = (cp << 6) | (static_cast<uint8_t>(s[i + k]) & 0x3F);
    i += n + 1;
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

inline std::vector<uint8_t> BuildLink(const LinkFields& fields) {
  uint32_t flags = 0;
  if (fields.idList) flags |= 1u << 0;
  if (fields.localPath) flags |= 1u << 1;
  if (fields.name) flags |= 1u << 2;
  if (fields.relativePath) flags |= 1u << 3;
  if (fields.workingDir) flags |= 1u << 4;
  if (fields.arguments) flags |= 1u << 5;
  if (fields.iconLocation) flags |= 1u << 6;
  if (fields.unicode) flags |= 1u << 7;
  if (fields.forceNoLinkInfo) flags |= 1u << 8;

  std::vector<uint8_t> b;
  Put32(b, 0x4C);
  for (uint8_t c : {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00,
                    0x00, 0x00, 0x46}) {
    b.push_back(c);
  }
  Put32(b, flags);
  Put32(b, 0x20);            // file attributes
  b.insert(b.end(), 24, 0);  // three file times
  Put32(b, 0);               // file size
  Put32(b, static_cast<uint32_t>(fields.iconIndex));
  Put32(b, fields.showCommand);
  Put16(b, fields.hotKey);
  b.insert(b.end(), 10, 0);  // reserved
  if (fields.idList) {
    // One root item (type byte and a 16-byte class id), then the terminal zero.
    Put16(b, 20 + 2);
    Put16(b, 20);
    b.push_back(0x1F);
    b.insert(b.end(), 17, 0x11);
    Put16(b, 0);
  }
  if (fields.localPath) {
    const uint32_t header = 0x1C;
    const uint32_t volumeSize = 0x11;
    const uint32_t baseOffset = header + volumeSize;
    const uint32_t suffixOffset = baseOffset + static_cast<uint32_t>(fields.localPath->size()) + 1;
    Put32(b, suffixOffset + 1);
    Put32(b, header);
    Put32(b, 1);  // volume id and local base path
    Put32(b, header);
    Put32(b, baseOffset);
    Put32(b, 0);
    Put32(b, suffixOffset);
    Put32(b, volumeSize);  // VolumeID: size, drive type, serial, label offset, empty label
    Put32(b, 3);
    Put32(b, 0x1234);
    Put32(b, 0x10);
    b.push_back(0);
    b.insert(b.end(), fields.localPath->begin(), fields.localPath->end());
    b.push_back(0);
    b.push_back(0);  // empty common path suffix
  }
  for (const auto* s : {&fields.name, &fields.relativePath, &fields.workingDir, &fields.arguments,
                        &fields.iconLocation}) {
    if (!*s) continue;
    if (fields.unicode) {
      const std::u16string w = Utf8ToUtf16(**s);
      Put16(b, static_cast<uint32_t>(w.size()));
      for (char16_t c : w) Put16(b, c);
    } else {
      Put16(b, static_cast<uint32_t>((*s)->size()));
      b.insert(b.end(), (*s)->begin(), (*s)->end());
    }
  }
  Put32(b, 0);  // terminal extra data block
  return b;
}

}  // namespace lrw::test
