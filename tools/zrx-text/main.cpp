// zrx-text: the text-mode player. Reads commands from the terminal, a script file, or
// any other standard input (which counts as a script).
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "session.h"

namespace {

std::filesystem::path executableFolder(const char* argv0) {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path();
  return std::filesystem::absolute(argv0).parent_path();
}

}  // namespace

int main(int argc, char** argv) try {
  CLI::App app{"ZRX - szöveges játékos"};
  std::string folder;
  std::optional<std::uint32_t> seed;
  std::string script;
  std::string dice = "generated";
  app.add_option("--folder", folder, "a program mappája a forrás csomagokkal (alap: a program saját mappája)");
  app.add_option("--seed", seed, "a kockadobások ismételhető sorozata");
  app.add_option("--dice", dice, "manual: minden kockát te dobsz, és beírod, mit mutat")
      ->check(CLI::IsMember({"generated", "manual"}));
  app.add_option("--script", script, "parancsok fájlból, soronként")->check(CLI::ExistingFile);
  CLI11_PARSE(app, argc, argv);

  zrx::SessionOptions options;
  options.programFolder = folder.empty() ? executableFolder(argv[0]) : std::filesystem::path(folder);
  options.seed = seed;
  options.manualDice = dice == "manual";
  options.script = !script.empty() || isatty(STDIN_FILENO) == 0;

  std::ifstream scriptFile;
  if (!script.empty()) scriptFile.open(script);
  std::istream& in = script.empty() ? std::cin : scriptFile;
  zrx::Session session(options, in, std::cout);
  return session.run();
} catch (const std::exception& e) {
  // The engine reports its own failures by code; anything else still ends in a message.
  std::cerr << "zrx-text: " << e.what() << '\n';
  return 1;
}
