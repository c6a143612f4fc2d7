#include "save_test_support.h"

#include <memory>

#include "save_index.h"

namespace zrx::test {

FillerSource CountingFiller() {
  auto next = std::make_shared<std::uint8_t>(7);
  return [next] { return (*next)++; };
}

std::vector<std::uint32_t> ScriptForName(const std::string& name) {
  std::vector<std::uint32_t> script;
  for (char c : name) script.push_back(static_cast<std::uint32_t>(kFileNameAlphabet.find(c)));
  return script;
}

}  // namespace zrx::test
