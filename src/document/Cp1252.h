// Windows-1252 text: the 8-bit character set of every text stored in a show file.
// All conversions between record text and UTF-8 (file names, Qt strings) go through here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lrw {

// The forced line break of a caption, as stored in a record.
inline constexpr char kPilcrow = '\xB6';

// Every byte has a meaning in Windows-1252 except 0x81, 0x8D, 0x8F, 0x90 and 0x9D,
// which are passed through as the C1 control characters of the same number.
std::string Cp1252ToUtf8(std::string_view cp1252);

// The Windows-1252 form of the text, if it has one: nothing when the text holds a
// character Windows-1252 cannot write, or is not valid UTF-8. Not having one is no
// failure here; each caller says in its own words what it could not store.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// One Unicode code point to its Windows-1252 byte, if it has one.
std::optional<char> CodePointToCp1252(char32_t codePoint);
char32_t Cp1252ToCodePoint(char byte);

// Appends one Unicode code point as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace lrw
