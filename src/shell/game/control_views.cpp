#include "game/control_views.h"

#include <algorithm>

namespace zrx {

void ControlViews::bind(const std::string& name, Render render) {
  bindings_.push_back({name, &screen_.control(name), std::move(render), kNeverSeen, true});
}

void ControlViews::watch(const std::string& name, Render render) {
  bindings_.push_back({name, &screen_.control(name), std::move(render), kNeverSeen, false});
}

int ControlViews::renderChanged() {
  int rendered = 0;
  for (Binding& binding : bindings_) {
    if (binding.seen == binding.control->version()) continue;
    binding.seen = binding.control->version();
    binding.render(*binding.control);
    ++rendered;
  }
  return rendered;
}

void ControlViews::renderAll() {
  for (Binding& binding : bindings_) binding.seen = kNeverSeen;
  renderChanged();
}

void ControlViews::invalidate(const std::string& name) {
  for (Binding& binding : bindings_) {
    if (binding.name == name) binding.seen = kNeverSeen;
  }
}

std::size_t ControlViews::bindingsOf(std::string_view name) const {
  return static_cast<std::size_t>(
      std::count_if(bindings_.begin(), bindings_.end(), [name](const Binding& b) { return b.shows && b.name == name; }));
}

}  // namespace zrx
