#pragma once
// Reads the YAML sources of a package and its books into the source model.
// Faults of form (unknown keys, wrong types, over-long texts) become findings.
#include <filesystem>
#include <optional>

#include "diagnostics.h"
#include "source_model.h"

namespace zrx::book {

// The package file lists the package name and its book files (relative to it).
std::optional<SourcePackage> ParsePackageFile(const std::filesystem::path& file, Diagnostics& diags);

// One book file; `number` is the book's number within its package.
std::optional<SourceBook> ParseBookFile(const std::filesystem::path& file, int number, Diagnostics& diags);

// The same from YAML text (used for books built in memory); `file` names it in findings
// and is the folder base for its pictures.
std::optional<SourceBook> ParseBookText(const std::string& yaml, const std::filesystem::path& file, int number,
                                        Diagnostics& diags);

// Continuation codes: chapter numbers as three upper-case hexadecimal digits,
// "HHH" for the end, "GGG" for victory.
std::string ContinuationCode(int chapter);
inline constexpr int kEndContinuation = -1000;      // written "vége"
inline constexpr int kVictoryContinuation = -1001;  // written "győzelem"

}  // namespace zrx::book
