#include <gtest/gtest.h>

#include "document/Cp1252.h"

namespace lrw {
namespace {

struct Pair {
  const char* cp1252;
  const char* utf8;
};

TEST(Cp1252, ConvertsBothWays) {
  const Pair pairs[] = {
      {"plain ascii", "plain ascii"},
      {"\x80", "\u20AC"},                                          // euro sign
      {"caf\xE9", "caf\u00E9"},                                    // Latin-1 range
      {"\x9F", "\u0178"},                                          // last of the high block
      {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},  // unassigned bytes
      {"\xB6", "\u00B6"},                                          // pilcrow
      {"\x93quoted\x94", "\u201Cquoted\u201D"},
      {"\xFF", "\u00FF"},
  };
  for (const Pair& p : pairs) {
    EXPECT_EQ(Cp1252ToUtf8(p.cp1252), p.utf8) << p.utf8;
    EXPECT_EQ(Utf8ToCp1252(p.utf8), std::optional<std::string>(p.cp1252)) << p.utf8;
  }
}

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8(std::string(1, '\0')), std::string(1, '\0'));
}

TEST(Cp1252, RefusesWhatItCannotWrite) {
  const char* refused[] = {
      "\u65E5\u672C",  // not in the character set
      "\U0001F600",    // outside the basic plane
      "\x80",          // lone continuation byte
      "\xC3",          // truncated sequence
      "\xE2\x82",      // truncated three-byte sequence
      "\xC0\xAF",      // overlong "/"
      "\xE0\x80\xAF",  // overlong "/" in three bytes
      "\xF8\x88\x80\x80\x80",
      "\x80",
  };
  for (const char* text : refused) {
    EXPECT_FALSE(Utf8ToCp1252(text).has_value()) << testing::PrintToString(std::string(text));
  }
  EXPECT_FALSE(CodePointToCp1252(0x80).has_value()) << "C1 control with a mapped byte";
  EXPECT_EQ(CodePointToCp1252(0x20AC), '\x80');
  EXPECT_EQ(Cp1252ToCodePoint('\x80'), 0x20ACu);
}

}  // namespace
}  // namespace lrw
