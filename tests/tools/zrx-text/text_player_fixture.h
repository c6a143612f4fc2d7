#pragma once
// A program folder with packages written by the package writer, an empty save index,
// and a Session driven by a script of lines.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "package_fixture.h"
#include "package_writer.h"
#include "temp_folder.h"

namespace zrx::test {

class TextPlayerFixture {
 public:
  TextPlayerFixture();

  const std::filesystem::path& folder() const { return temp_.path(); }
  void writePackage(const PackageContent& content, const std::string& folderName = "");

  // Runs a whole session over the lines; keeps its output and exit status.
  int play(const std::vector<std::string>& lines, unsigned seed = 1);
  const std::string& output() const { return output_; }

 private:
  TempFolder temp_;
  std::string output_;
};

// Lines of a script joined with line ends.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace zrx::test
