#include "fuzz_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "package_fixture.h"

namespace zrx::fuzz {
namespace fs = std::filesystem;

namespace {

fs::path makeFolder() {
  const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string pattern = (base / "zrx-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) Finding("cannot make the program folder");
  const fs::path folder = pattern;
  test::WriteTestPackage(folder, test::MakePackage());
  // Removed when the process ends normally; a crashing input leaves it for a look.
  static const struct Cleanup {
    fs::path folder;
    ~Cleanup() {
      std::error_code ignored;
      fs::remove_all(folder, ignored);
    }
  } cleanup{folder};
  return folder;
}

}  // namespace

const fs::path& ProgramFolder() {
  static const fs::path folder = makeFolder();
  return folder;
}

void PlaceInput(const fs::path& file, std::span<const std::uint8_t> bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Finding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

}  // namespace zrx::fuzz
