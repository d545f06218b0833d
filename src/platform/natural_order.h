#pragma once
// Natural order of names (NaturalLess in file_services.h), and a sort key for sorting
// many names quickly: comparing two keys byte by byte gives the same answer as
// NaturalLess on the names.
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// The key of a name: its case-folded elements, each number as its length and digits,
// then a zero byte and the name itself (the tie-break).
std::string NaturalSortKey(std::string_view name);

// Sorts names in natural order, computing each key once.
void SortNaturally(std::vector<std::string>& names);

}  // namespace quillon
