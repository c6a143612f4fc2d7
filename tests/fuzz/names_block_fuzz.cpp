// The names block of a fuzzer's bytes inside a valid "Data" file: read from memory; when
// it reads, the file goes to disk and a name is recorded, recorded again and deleted,
// reading after each step. The package data after the names must stay byte for byte as
// it was, and the names must read back.
#include <algorithm>
#include <cstdint>

#include "container_format.h"
#include "fixed_clock.h"
#include "fuzz_folder.h"
#include "key_coding.h"
#include "memory_files.h"
#include "names_block.h"
#include "package_fixture.h"

namespace {

namespace fs = std::filesystem;
using zrx::fuzz::Finding;

// The bytes after the names block: the compressed block of the package.
std::vector<std::uint8_t> packageData(const fs::path& file) {
  const std::vector<std::uint8_t> bytes = zrx::test::ReadBytes(file);
  zrx::ByteReader in(bytes);
  std::int32_t count = 0;
  if (!in.seek(zrx::kContainerBlockOffset) ||
      !in.readCodedInt32(zrx::CodingKey::kShort, zrx::kContainerBlockOffset, count))
    Finding("the names count went missing");
  const std::size_t end = zrx::test::BlockSizesOffset(count);
  if (end > bytes.size()) Finding("the names block outgrew its file");
  return std::vector<std::uint8_t>(bytes.begin() + static_cast<long>(end), bytes.end());
}

bool listed(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path file = zrx::fuzz::ProgramFolder() / "Source" / "Data0.zrx";
  static const std::vector<std::uint8_t> original = zrx::test::ReadBytes(file);
  static const std::size_t blockOffset = zrx::test::BlockSizesOffset(zrx::kReservedNameEntries);
  std::vector<std::uint8_t> bytes(original.begin(), original.begin() + zrx::kContainerBlockOffset);
  bytes.insert(bytes.end(), data, data + size);
  bytes.insert(bytes.end(), original.begin() + static_cast<long>(blockOffset), original.end());
  static zrx::fuzz::MemoryFiles memory;
  memory.put(file, bytes);

  const zrx::test::FixedClock clock;
  zrx::NamesBlock block(zrx::fuzz::ProgramFolder(), clock, [] { return std::uint8_t{0x5A}; }, zrx::RemoveReadOnlyMark,
                        memory.packageReader());
  std::vector<std::string> names;
  if (block.ReadNames(names) >= 0) {
    // Writing replaces the file on disk: from here on the block reads what it wrote.
    memory.forget(file);
    zrx::fuzz::PlaceInput(file, bytes);
    const std::vector<std::uint8_t> tail = packageData(file);
    const std::string name = "Fuzz Ödön";
    if (block.WriteName(&names, name, zrx::kWriteNameOnly, "") < 0) Finding("a readable block could not take a name");
    if (packageData(file) != tail) Finding("recording a name changed the package data");
    if (block.ReadNames(names) < 0 || !listed(names, name)) Finding("a recorded name does not read back");
    if (block.WriteName(&names, name, zrx::kWriteNameAndSettings, "0123456012") < 0) Finding("rewriting a name failed");
    if (packageData(file) != tail) Finding("rewriting a name changed the package data");
    if (block.DeleteName(names, name) < 0) Finding("deleting a name failed");
    if (packageData(file) != tail) Finding("deleting a name changed the package data");
    if (block.ReadNames(names) < 0) Finding("the block no longer reads after a delete");
    zrx::test::WriteBytes(file, original);
  }
  return 0;
}
