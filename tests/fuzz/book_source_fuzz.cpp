// A book source of the fuzzer's bytes through the parser, the linter and the compiler:
// findings are fine, a crash or an escaping exception is not.
#include <cstdint>
#include <string>

#include "compiler.h"
#include "diagnostics.h"
#include "linter.h"
#include "source_parser.h"

namespace {

// Picture files are read from the book's folder; the package tests cover that. Here the
// names are dropped (their counts stay in the records) so that a book that names
// pictures still reaches the compiler, and no input costs a file-system call.
void forgetPictureFiles(zrx::book::SourceBook& book) {
  book.coverFile.clear();
  book.chapterPictureFiles.clear();
  book.decorPictureFiles.clear();
  for (auto& chapter : book.chapters) chapter.pictureFile.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string yaml(reinterpret_cast<const char*>(data), size);
  zrx::book::Diagnostics diags;
  auto book = zrx::book::ParseBookText(yaml, "/nonexistent/fuzz.yaml", 1, diags);
  if (!book) return 0;
  forgetPictureFiles(*book);
  zrx::book::LintBook(*book, diags);
  if (diags.errorCount() == 0) zrx::book::CompileBook(*book, diags);
  return 0;
}
