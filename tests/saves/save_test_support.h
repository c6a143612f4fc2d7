#pragma once
// Helpers of the save tests: scripted randomness and a program folder on disk.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "filler_source.h"
#include "save_random.h"
#include "temp_folder.h"

namespace zrx::test {

// Hands out the scripted values (each taken modulo the bound), then counts upwards.
class ScriptedRandom final : public SaveRandom {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<std::uint32_t> script) : script_(std::move(script)) {}
  void Reseed() override { ++reseeds; }
  std::uint32_t Below(std::uint32_t bound) override {
    const std::uint32_t value = next_ < script_.size() ? script_[next_] : counter_++;
    ++next_;
    return value % bound;
  }
  int reseeds = 0;

 private:
  std::vector<std::uint32_t> script_;
  std::size_t next_ = 0;
  std::uint32_t counter_ = 7;
};

// Filler bytes 7, 8, 9, ... so that files are reproducible.
FillerSource CountingFiller();

// A temporary program folder with an empty "Save" folder and the package folder
// "Source" (the games of the tests name it; its books come from memory).
class ProgramFolder {
 public:
  ProgramFolder() {
    std::filesystem::create_directory(savePath());
    std::filesystem::create_directory(temp_.path() / "Source");
  }
  const std::filesystem::path& path() const { return temp_.path(); }
  std::filesystem::path savePath() const { return temp_.path() / "Save"; }

 private:
  TempFolder temp_;
};

// A random script that draws exactly `name` (characters of the file-name alphabet).
std::vector<std::uint32_t> ScriptForName(const std::string& name);

}  // namespace zrx::test
