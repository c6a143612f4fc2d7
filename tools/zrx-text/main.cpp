// zrx-text: the text-mode player. Reads commands from the terminal, a script file, or
// any other standard input (which counts as a script).
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "bundled_update.h"
#include "session.h"
#include "output_buffers.h"

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
  std::string transcriptFile;
  app.add_option("--transcript", transcriptFile, "az egész játékmenet szövege ebbe a fájlba is");
  bool quiet = false;
  app.add_flag("--quiet", quiet, "csendes mód képernyőolvasóhoz: csak a változások, díszítés nélkül");
  CLI11_PARSE(app, argc, argv);

  zrx::SessionOptions options;
  const zrx::ProgramFolderInputs inputs{
      .option = folder.empty() ? std::nullopt : std::optional<std::filesystem::path>(folder),
      .executableFolder = zrx::ExecutableFolder(argv[0]),
      .userDataHome = zrx::UserDataHome()};
  options.programFolder = zrx::DecideProgramFolder(inputs);
  if (options.programFolder.empty()) {
    std::cerr << "A program mappája nem hozható létre.\n";
    return 1;
  }
  zrx::UpdateBundledCopies(inputs, options.programFolder);
  options.seed = seed;
  options.manualDice = dice == "manual";
  options.script = !script.empty() || isatty(STDIN_FILENO) == 0;
  options.quiet = quiet;

  std::ifstream scriptFile;
  if (!script.empty()) scriptFile.open(script);
  std::istream& in = script.empty() ? std::cin : scriptFile;
  std::ofstream transcript;
  if (!transcriptFile.empty()) {
    transcript.open(transcriptFile, std::ios::binary | std::ios::trunc);
    if (!transcript) {
      std::cerr << "A jegyzőkönyv fájl nem írható: " << transcriptFile << '\n';
      return 1;
    }
  }
  zrx::TeeBuffer tee(std::cout.rdbuf(), transcript.rdbuf());
  std::ostream teeOut(&tee);
  zrx::Session session(options, in, transcriptFile.empty() ? std::cout : teeOut);
  if (!transcriptFile.empty()) session.input().setTranscript(&transcript);
  return session.run();
} catch (const std::exception& e) {
  // The engine reports its own failures by code; anything else still ends in a message.
  std::cerr << "zrx-text: " << e.what() << '\n';
  return 1;
}
