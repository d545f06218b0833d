#include "actions/name_set.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace quillon {
namespace {

// Against std::set over random names with many repeats, including names that differ only
// in case, length or a trailing NUL: every insert and lookup gives the same answer.
TEST(NameSet, AgreesWithAnOrderedSet) {
  std::mt19937 random(12);
  const std::vector<std::string> pieces = {"a",       "A", "b", ".", "1", "", std::string(1, '\0'),
                                           "\xC3\xA9"};
  std::vector<std::string> names;
  for (int n = 0; n < 5000; ++n) {
    std::string name;
    for (int k = static_cast<int>(random() % 6); k > 0; --k)
      name += pieces[random() % pieces.size()];
    names.push_back(name);
  }
  for (const std::size_t room : {names.size(), std::size_t{0}}) {  // even with too little room
    SCOPED_TRACE(room);
    NameSet set(names, room);
    std::set<std::string> expected;
    for (std::size_t i = 0; i < names.size(); ++i) {
      ASSERT_EQ(set.Insert(i), expected.insert(names[i]).second) << i;
    }
    for (const std::string& probe : {std::string("zz"), std::string("a"), std::string("aA"),
                                     std::string("a\0", 2), std::string()}) {
      EXPECT_EQ(set.Contains(probe), expected.contains(probe)) << probe;
    }
  }
}

}  // namespace
}  // namespace quillon
