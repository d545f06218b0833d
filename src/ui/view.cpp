#include "ui/view.h"

namespace quillon {
namespace {

template <typename T>
void Take(std::optional<T>& into, const std::optional<T>& more) {
  if (more) into = more;
}

}  // namespace

void Merge(View& into, const View& more) {
  for (const auto& [name, view] : more) {
    ControlView& target = into[name];
    Take(target.visible, view.visible);
    Take(target.enabled, view.enabled);
    Take(target.text, view.text);
    Take(target.checked, view.checked);
    Take(target.index, view.index);
    Take(target.colour, view.colour);
    Take(target.background, view.background);
    Take(target.face, view.face);
    Take(target.tab, view.tab);
  }
}

}  // namespace quillon
