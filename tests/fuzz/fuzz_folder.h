#pragma once
// The program folder that a fuzz target works in: made once per process under the
// temporary folder (a memory file system where there is one), with a valid "Source"
// package and an empty save index; each input is written over one of its files.
#include <cstdint>
#include <filesystem>
#include <span>

namespace zrx::fuzz {

const std::filesystem::path& ProgramFolder();

// Puts the fuzzer's bytes in place of `file`.
void PlaceInput(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

// A finding: the message goes to the error stream and the process aborts, so that the
// fuzzer keeps the input.
[[noreturn]] void Finding(const char* what);

}  // namespace zrx::fuzz
