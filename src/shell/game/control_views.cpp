#include "game/control_views.h"

namespace zrx {

void ControlViews::bind(const std::string& name, Render render) {
  bindings_.push_back({name, &screen_.control(name), std::move(render), kNeverSeen});
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

}  // namespace zrx
