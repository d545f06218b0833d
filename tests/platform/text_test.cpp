#include "platform/text.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(Text, EveryByteStringRoundTripsExactly) {
  const std::string cases[] = {
      "plain.txt",
      "caf\xC3\xA9",
      "\xE6\x97\xA5\xE6\x9C\xAC",
      "bad\xFF\xFE",
      "\xC3",              // truncated sequence
      "\xC0\xAF",          // overlong slash
      "\xED\xA0\x80",      // encoded surrogate
      "\xF4\x90\x80\x80",  // past U+10FFFF
      std::string("nul\0in", 6),
  };
  for (const auto& bytes : cases) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(EncodeUtf8(DecodeUtf8(bytes)), bytes);
  }
}

TEST(Text, PositionsCountCodePoints) {
  EXPECT_EQ(DecodeUtf8("\xD0\x96x\xE6\x97\xA5").size(), 3u);
  EXPECT_EQ(CodePointCount("\xD0\x96x\xE6\x97\xA5\xFF"), 4u);
  EXPECT_EQ(DecodeUtf8("a\xFF")[1], U'\xDCFF');
}

TEST(Text, SimpleCaseMappingKeepsLength) {
  struct Row {
    const char* name;
    std::string in, upper, lower;
  } rows[] = {
      {"ascii", "Ab1.z", "AB1.Z", "ab1.z"},
      {"latin", "\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", "\xC3\xA9t\xC3\xA9"},
      {"cyrillic", "\xD0\xB6\xD0\x96", "\xD0\x96\xD0\x96", "\xD0\xB6\xD0\xB6"},
      {"cjk_unchanged", "\xE6\x97\xA5", "\xE6\x97\xA5", "\xE6\x97\xA5"},
      {"sharp_s_stays_one", "\xC3\x9F", "\xC3\x9F", "\xC3\x9F"},
      {"invalid_bytes_untouched", "a\xFF", "A\xFF", "a\xFF"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ToUpper(row.in), row.upper);
    EXPECT_EQ(ToLower(row.in), row.lower);
    EXPECT_EQ(CodePointCount(ToUpper(row.in)), CodePointCount(row.in));
  }
}

}  // namespace
}  // namespace quillon
