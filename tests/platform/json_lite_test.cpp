#include "platform/json_lite.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon::json {
namespace {

// Every name comes back exactly, whatever bytes it holds, and appending keeps what was
// there before.
TEST(JsonLite, NamesRoundTripExactly) {
  const std::string names[] = {
      "",         "plain.txt",      "quote\"inside",    "back\\slash", "tab\tand\nnewline",
      "\x01\x1f", "ünïcödé ✓.jpeg", "bad\xff\xfe byte", "\"\\\"",      std::string("nul\0in", 6),
  };
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    std::string out = "prefix:";
    AppendName(out, name);
    ASSERT_EQ(out.substr(0, 7), "prefix:");
    EXPECT_EQ(out.substr(7), Name(name));
    const auto value = Parse(out.substr(7));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(NameOf(*value), name);
  }
}

TEST(JsonLite, QuotedTextEscapesOnlyWhatJsonNeeds) {
  const struct {
    std::string text, quoted;
  } rows[] = {
      {"abc", "\"abc\""},    {"a\"b", "\"a\\\"b\""}, {"a\\b", "\"a\\\\b\""},
      {"\n", "\"\\u000a\""}, {"é", "\"é\""},
  };
  for (const auto& row : rows) EXPECT_EQ(Quote(row.text), row.quoted) << row.text;
  // A name is quoted text when it is UTF-8, plain ASCII or not.
  for (const char* name : {"plain.txt", "del\x7f", "a\"b", "ünï.jpeg", "\x1f"}) {
    EXPECT_EQ(Name(name), Quote(name)) << name;
  }
}

}  // namespace
}  // namespace quillon::json
