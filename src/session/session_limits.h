#pragma once
// Counts and positions are 16-bit in the workflow.
#include <cstddef>

namespace quillon {

inline constexpr std::size_t kMaxCount = 32767;

}  // namespace quillon
