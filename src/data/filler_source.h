#pragma once
// Source of the filler bytes written between coded fields. They are never
// read back; the names block and saves use random ones, tests fix them.
#include <cstdint>
#include <functional>

namespace zrx {

using FillerSource = std::function<std::uint8_t()>;

// Uniform random bytes from a generator seeded once from std::random_device.
FillerSource RandomFillerSource();

}  // namespace zrx
