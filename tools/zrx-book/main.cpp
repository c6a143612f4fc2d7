// zrx-book: compiles book sources into package folders or archives to share, checks them, draws their graph.
#include <CLI/CLI.hpp>

#include <iostream>

#include "book_commands.h"
#include "playtest/playtest_command.h"

int main(int argc, char** argv) try {
  CLI::App app{"zrx-book: book compiler and checker of ZRX"};
  app.require_subcommand(1);

  std::string packageFile, outDir, bookFile;
  bool strict = false;
  auto* build = app.add_subcommand("build", "check a package and write its package folder into OUTDIR");
  build->add_option("PACKAGE", packageFile, "the package file (YAML)")->required()->check(CLI::ExistingFile);
  build->add_option("OUTDIR", outDir, "folder that receives the package folder")->required();
  build->add_flag("--strict", strict, "treat every warning as an error");
  bool manifest = false;
  build->add_flag("--manifest", manifest, "also write the manifest of the package files (for installation)");
  auto* check = app.add_subcommand("check", "check every book of a package");
  check->add_option("PACKAGE", packageFile, "the package file (YAML)")->required()->check(CLI::ExistingFile);
  check->add_flag("--strict", strict, "treat every warning as an error");
  auto* graph = app.add_subcommand("graph", "print the chapter graph of a book (Graphviz dot)");
  graph->add_option("BOOK", bookFile, "the book file (YAML)")->required()->check(CLI::ExistingFile);

  std::string archiveFile;
  auto* pack = app.add_subcommand("pack", "check and compile a package and pack it into one file to share (.zrxcs)");
  pack->add_option("PACKAGE", packageFile, "the package file (YAML)")->required()->check(CLI::ExistingFile);
  pack->add_option("OUT", archiveFile, "the archive to write")->required();

  std::string programDir;
  auto* saves = app.add_subcommand("saves", "lay the empty save folder of a new installation (keeps saved games)");
  saves->add_option("PROGRAMDIR", programDir, "the program folder")->required();

  zrx::book::PlaytestOptions play;
  auto* playtest = app.add_subcommand("playtest", "play the books of a package many times with a random player and report");
  playtest->add_option("PACKAGE", play.packageFile, "the package file (YAML)")->required()->check(CLI::ExistingFile);
  playtest->add_option("--book", play.book, "only this book (1-based)");
  playtest->add_option("--runs", play.runs, "play-throughs per book")->check(CLI::PositiveNumber);
  playtest->add_option("--seed", play.seed, "the seed of the first run; run i uses seed + i");
  playtest->add_option("--difficulty", play.difficulty, "0 Könnyű, 1 Normál, 2 Véletlen (default: all three in turn)")
      ->check(CLI::Range(0, 2));
  playtest->add_option("--json", play.json, "also write the report as JSON into FILE");
  playtest->add_option("--dot", play.dot, "also write the chapter graph coloured by visits (Graphviz) into FILE");
  playtest->add_flag("--expect-win", play.expectWin, "fail when a difficulty is never won or a doom region is found");
  playtest->add_flag("--strict", play.strict, "fail on warnings too (repeating rewards, records never used)");
  playtest->add_option("--jobs", play.jobs, "runs played side by side on this many cores")->check(CLI::Range(1, 64));

  CLI11_PARSE(app, argc, argv);
  if (*playtest) return zrx::book::RunPlaytest(play, std::cout, std::cerr);
  if (*saves) return zrx::book::RunSaves(programDir, std::cerr);
  if (*pack) return zrx::book::RunPack(packageFile, archiveFile, std::cout, std::cerr);
  if (*build) return zrx::book::RunBuild(packageFile, outDir, std::cout, std::cerr, strict, manifest);
  if (*check) return zrx::book::RunCheck(packageFile, std::cerr, strict);
  return zrx::book::RunGraph(bookFile, std::cout, std::cerr);
} catch (const std::exception& e) {
  std::cerr << "zrx-book: " << e.what() << '\n';
  return 1;
}
