#include "compiler.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

namespace zrx::book {
namespace {

Picture readPicture(const SourceBook& book, const std::string& name, Diagnostics& diags) {
  const std::filesystem::path path = book.file.parent_path() / name;
  std::ifstream in(path, std::ios::binary);
  Picture picture{std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
  if (!in.good() && !in.eof()) diags.error(book.fileName(), 0, "cannot read picture \"" + name + "\"");
  if (!HasValidJpegHeader(picture.jpeg())) diags.error(book.fileName(), 0, "\"" + name + "\" is not a JPEG picture");
  return picture;
}

// The package holds one record per number; books that share a number share the record.
template <typename Rec>
void collect(const std::vector<SourceRecord<Rec>>& from, std::vector<Rec>& into, std::set<int>& seen) {
  for (const auto& r : from) {
    if (seen.insert(r.rec.Number).second) into.push_back(r.rec);
  }
}

}  // namespace

PackageBook CompileBook(const SourceBook& book, Diagnostics& diags) {
  PackageBook out;
  out.record = book.book;
  std::vector<const SourceChapter*> chapters;
  for (const auto& c : book.chapters) chapters.push_back(&c);
  std::stable_sort(chapters.begin(), chapters.end(),
                   [](const SourceChapter* a, const SourceChapter* b) { return a->rec.Number < b->rec.Number; });
  for (const SourceChapter* c : chapters) out.chapters.push_back(c->rec);
  for (const SourceChapter* c : chapters) {
    if (c->rec.Number >= 0) out.texts.push_back(c->text);
  }
  if (!chapters.empty() && chapters.front()->rec.Number == -1) out.texts.push_back(chapters.front()->text);
  for (const auto& name : book.chapterPictureFiles) out.chapterPictures.push_back(readPicture(book, name, diags));
  for (const auto& name : book.decorPictureFiles) out.decorPictures.push_back(readPicture(book, name, diags));
  if (!book.coverFile.empty()) out.cover = readPicture(book, book.coverFile, diags);
  return out;
}

std::optional<PackageContent> CompilePackage(const SourcePackage& package, Diagnostics& diags) {
  const int errorsBefore = diags.errorCount();
  PackageContent content;
  content.name = package.name;
  std::set<int> monsters, items, infos, baseValues, magicSkills;
  for (const SourceBook& book : package.books) {
    content.books.push_back(CompileBook(book, diags));
    collect(book.opponents, content.monsters, monsters);
    collect(book.items, content.items, items);
    collect(book.infos, content.infos, infos);
    collect(book.baseValues, content.baseValues, baseValues);
    collect(book.magicSkills, content.magicSkills, magicSkills);
  }
  if (diags.errorCount() != errorsBefore) return std::nullopt;
  return content;
}

}  // namespace zrx::book
