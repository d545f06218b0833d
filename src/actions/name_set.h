#pragma once
// A set of names taken from one list, for the checks of a preview: open addressing over
// one array of row numbers, so that 30,000 names cost no allocation each.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class NameSet {
 public:
  // A set of rows of `names`, which must outlive it, with room for `rows` of them.
  NameSet(const std::vector<std::string>& names, std::size_t rows)
      : names_(names), slots_(std::bit_ceil(rows * 2 + 2)), mask_(slots_.size() - 1) {}

  // Adds row i; false when a row with the same name is in the set already.
  bool Insert(std::size_t i) {
    if ((count_ + 1) * 2 > slots_.size()) Grow();  // more rows than room was made for
    const std::size_t hash = Hash(names_[i]);
    for (std::size_t k = hash & mask_;; k = (k + 1) & mask_) {
      Slot& slot = slots_[k];
      if (slot.row == 0) {
        slot = {static_cast<std::uint32_t>(hash >> 32), static_cast<std::uint32_t>(i + 1)};
        ++count_;
        return true;
      }
      if (slot.hash == static_cast<std::uint32_t>(hash >> 32) && names_[slot.row - 1] == names_[i])
        return false;
    }
  }

  bool Contains(std::string_view name) const { return Find(name).has_value(); }

  // The row in the set with that name.
  std::optional<std::size_t> Find(std::string_view name) const {
    const std::size_t hash = Hash(name);
    for (std::size_t k = hash & mask_;; k = (k + 1) & mask_) {
      const Slot& slot = slots_[k];
      if (slot.row == 0) return std::nullopt;
      if (slot.hash == static_cast<std::uint32_t>(hash >> 32) && names_[slot.row - 1] == name)
        return slot.row - 1;
    }
  }

 private:
  struct Slot {
    std::uint32_t hash = 0;  // the hash's high half, which the slot number does not use
    std::uint32_t row = 0;   // row + 1; 0 for an empty slot
  };
  static std::size_t Hash(std::string_view name) { return std::hash<std::string_view>{}(name); }

  void Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    count_ = 0;
    for (const Slot& slot : old) {
      if (slot.row != 0) Insert(slot.row - 1);
    }
  }

  const std::vector<std::string>& names_;
  std::vector<Slot> slots_;
  std::size_t mask_;
  std::size_t count_ = 0;
};

}  // namespace quillon
