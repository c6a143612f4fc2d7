#include "text_player_fixture.h"

#include <stdexcept>

#include "save_folder.h"
#include "save_index.h"
#include "session.h"

namespace zrx::test {

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

}  // namespace zrx::test
