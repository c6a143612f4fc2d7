// The package archive reader over the fuzzer's bytes, as an import would meet a file from a
// stranger; an archive it accepts also goes through the payload caps.
#include <cstdint>
#include <span>

#include "archive_reader.h"
#include "package_review.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const zrx::ArchiveContents contents = zrx::ReadPackageArchive(std::span<const std::uint8_t>(data, size));
  if (contents.verdict == zrx::ImportVerdict::Accepted) zrx::CheckPayloadCaps(contents);
  return 0;
}
