#pragma once
// What a window shows, computed by the core and rendered by the front end: one entry per
// control, keyed by the control's name. A field left empty is not touched.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace quillon {

// Text and background colours as 0xRRGGBB; kDefaultColour is the toolkit's own.
inline constexpr std::uint32_t kDefaultColour = 0xFFFFFFFFu;
inline constexpr std::uint32_t kRed = 0xFF0000u;
inline constexpr std::uint32_t kBlue = 0x0000FFu;
inline constexpr std::uint32_t kGrey = 0xE8E8E8u;
inline constexpr std::uint32_t kHighlight = 0x008000u;

struct ControlView {
  std::optional<bool> visible;
  std::optional<bool> enabled;
  std::optional<std::string> text;  // caption, label text, box text or frame title
  std::optional<bool> checked;
  std::optional<int> index;  // the option chosen in a group, or a list's index
  std::optional<std::uint32_t> colour;
  std::optional<std::uint32_t> background;
  // The button's face: "" plain, or a kind such as "Review", "Delete", "Attribute",
  // "System" that the front end shows with a distinct picture.
  std::optional<std::string> face;
  // Position in the window's tab order (0 first), for the boxes of a chosen path.
  std::optional<int> tab;
};

using View = std::map<std::string, ControlView>;

// Merges `more` into `into`; a field set in `more` wins.
void Merge(View& into, const View& more);

}  // namespace quillon
