// zrx-book: compiles book sources into package folders, checks them, draws their graph.
#include <CLI/CLI.hpp>

#include <iostream>

#include "book_commands.h"

int main(int argc, char** argv) try {
  CLI::App app{"zrx-book: book compiler and checker of ZRX"};
  app.require_subcommand(1);

  std::string packageFile, outDir, bookFile;
  auto* build = app.add_subcommand("build", "check a package and write its package folder into OUTDIR");
  build->add_option("PACKAGE", packageFile, "the package file (YAML)")->required()->check(CLI::ExistingFile);
  build->add_option("OUTDIR", outDir, "folder that receives the package folder")->required();
  auto* check = app.add_subcommand("check", "check every book of a package");
  check->add_option("PACKAGE", packageFile, "the package file (YAML)")->required()->check(CLI::ExistingFile);
  auto* graph = app.add_subcommand("graph", "print the chapter graph of a book (Graphviz dot)");
  graph->add_option("BOOK", bookFile, "the book file (YAML)")->required()->check(CLI::ExistingFile);

  std::string programDir;
  auto* saves = app.add_subcommand("saves", "lay the empty save folder of a new installation (keeps saved games)");
  saves->add_option("PROGRAMDIR", programDir, "the program folder")->required();

  CLI11_PARSE(app, argc, argv);
  if (*saves) return zrx::book::RunSaves(programDir, std::cerr);
  if (*build) return zrx::book::RunBuild(packageFile, outDir, std::cout, std::cerr);
  if (*check) return zrx::book::RunCheck(packageFile, std::cerr);
  return zrx::book::RunGraph(bookFile, std::cout, std::cerr);
} catch (const std::exception& e) {
  std::cerr << "zrx-book: " << e.what() << '\n';
  return 1;
}
