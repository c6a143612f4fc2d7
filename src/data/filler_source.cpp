#include "filler_source.h"

#include <memory>
#include <random>

namespace zrx {

FillerSource RandomFillerSource() {
  auto engine = std::make_shared<std::mt19937>(std::random_device{}());
  return [engine] { return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(*engine)); };
}

}  // namespace zrx
