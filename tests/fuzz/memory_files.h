#pragma once
// Files served from memory to the loaders' reader seams, so that a fuzz target hands its
// bytes to a loader without a write and a read of the file system per input.
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <vector>

#include "save_folder.h"
#include "source_coding.h"

namespace zrx::fuzz {

class MemoryFiles {
 public:
  void put(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
  void forget(const std::filesystem::path& file) { files_.erase(file); }

  // Readers for SourceCoding and SaveFolder. A file held here is read from memory, with the
  // size cap of the real reader; any other file from the file system.
  PackageFileReader packageReader() const;
  SaveFileReader saveReader() const;

 private:
  const std::vector<std::uint8_t>* find(const std::filesystem::path& file) const;

  std::map<std::filesystem::path, std::vector<std::uint8_t>> files_;
};

}  // namespace zrx::fuzz
