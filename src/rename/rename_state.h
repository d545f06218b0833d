#pragma once
// The rename criteria record, the editor values it is built from, and the engine's
// failure counters.
#include <cstdint>

namespace quillon {

struct RenameState {
  std::int16_t ImpossibleInsert = 0;
  std::int16_t ImpossibleReplace = 0;
  std::int16_t ImpossibleRemove = 0;
  std::int16_t ImpossibleAuto = 0;
  std::int16_t ImpossibleTotal = 0;
};

}  // namespace quillon
