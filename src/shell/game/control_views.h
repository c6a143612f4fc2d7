#pragma once
// The table from the engine's screen-model controls to the widgets that show them. Built
// once with the window; after every engine action only the controls whose version
// changed are rendered again.
#include <cstdint>
#include <string_view>
#include <functional>
#include <string>
#include <vector>

#include "screen_model.h"

namespace zrx {

class ControlViews {
 public:
  using Render = std::function<void(const Control&)>;

  explicit ControlViews(const ScreenModel& screen) : screen_(screen) {}

  // Renders control `name` with `render` whenever its version changes: the widget that shows
  // the control (each control has one). Throws std::out_of_range for a name the model does not have.
  void bind(const std::string& name, Render render);
  // Like bind, for anything else that follows the control: a neighbouring widget, the
  // screen reader's announcements, a page that recomputes what it shows.
  void watch(const std::string& name, Render render);

  // Renders the controls that changed since the last look; the number rendered.
  int renderChanged();
  // Renders every bound control.
  void renderAll();
  // Renders these controls at the next look even when unchanged (a widget that showed
  // something of the front end's own, such as the signal hints).
  void invalidate(const std::string& name);

  std::size_t size() const { return bindings_.size(); }
  // How many widgets show control `name` (watchers not counted).
  std::size_t bindingsOf(std::string_view name) const;

 private:
  struct Binding {
    std::string name;
    const Control* control;
    Render render;
    std::uint64_t seen;
    bool shows;  // bound, not watched
  };
  static constexpr std::uint64_t kNeverSeen = ~std::uint64_t{0};

  const ScreenModel& screen_;
  std::vector<Binding> bindings_;
};

}  // namespace zrx
