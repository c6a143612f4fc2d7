#pragma once
// Turns a checked source package into the content of a package folder: the
// records of all books, chapter texts in chapter order (the rules text last),
// pictures read from their files.
#include <optional>

#include "diagnostics.h"
#include "package_writer.h"
#include "source_model.h"

namespace zrx::book {

// Chapter records sorted by number (-1 first) and their text lists in the order the
// package file holds them: chapters 0..LastChapter, then the rules text of chapter -1.
PackageBook CompileBook(const SourceBook& book, Diagnostics& diags);

// The whole package; nullopt when a picture cannot be read.
std::optional<PackageContent> CompilePackage(const SourcePackage& package, Diagnostics& diags);

}  // namespace zrx::book
