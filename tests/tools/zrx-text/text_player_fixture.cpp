#include "text_player_fixture.h"

#include <stdexcept>

#include "save_folder.h"
#include "save_index.h"
#include "session.h"

namespace zrx::testing {

TChapterRec PlainChapter(int number, const std::string& next) {
  return {.Number = number, .NextChapters = next};
}

PackageContent StoryPackage(const std::vector<TChapterRec>& chapters, const std::string& title) {
  PackageContent content = MakePackage(kSourcePackage, 1);
  PackageBook& book = content.books.front();
  const int count = static_cast<int>(chapters.size());
  book.record.Title = title;
  book.record.ChapterCount = count;
  book.record.LastChapter = count - 2;
  book.record.SpecialValueCount = 0;
  book.record.SpecialValueCodes = "";
  book.record.ChapterPictureCount = 0;
  book.record.DecorPictureCount = 0;
  book.chapterPictures.clear();
  book.decorPictures.clear();
  book.chapters = chapters;
  book.texts.clear();
  for (int i = 0; i < count; ++i) book.texts.push_back({"Fejezet " + std::to_string(i == count - 1 ? -1 : i), "Szöveg."});
  return content;
}

TextPlayerFixture::TextPlayerFixture() {
  const SaveFolder saves(folder());
  std::filesystem::create_directories(saves.folder());
  if (saves.Write({std::string(kIndexSentinel)}, kIndexName, kIndexExtension) != 0) {
    throw std::runtime_error("cannot write the save index");
  }
}

void TextPlayerFixture::writePackage(const PackageContent& content, const std::string& folderName) {
  WriteTestPackage(folder(), content, folderName);
}

int TextPlayerFixture::play(const std::vector<std::string>& lines, unsigned seed) {
  std::istringstream in(JoinLines(lines));
  std::ostringstream out;
  Session session({.programFolder = folder(), .seed = seed, .script = true}, in, out);
  const int status = session.run();
  output_ = out.str();
  return status;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace zrx::testing
