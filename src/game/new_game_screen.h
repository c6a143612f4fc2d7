#pragma once
// The new-game screen without its window: the packages beside the program, the books of
// the chosen package with their descriptions, and the choice of a book and a difficulty.
// It lists and checks; a front end shows. Every file failure is reported through the
// error log, after which the screen has nothing more to offer (Open or LoadPackage false).
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "error_log.h"
#include "picture.h"
#include "records.h"
#include "ui_port.h"

namespace zrx {

// The difficulty items in the order the screen lists them, "Normál" first and preselected.
inline constexpr const char* kDifficultyItems[] = {"Normál", "Könnyű", "Véletlen"};
inline constexpr int kDefaultDifficultyItem = 0;

// Difficulty of the game (0 "Könnyű", 1 "Normál", 2 "Véletlen") for an item position.
int DifficultyOfItem(int item);

// The description box before a package is loaded, line by line.
std::vector<std::string> NewGameIntroLines();
// The description box while a package loads.
std::vector<std::string> NewGameLoadingLines();

// A book's description as the screen shows it: the three parts joined, split at "#";
// "(nincs leírás)" for none.
std::vector<std::string> BookDescriptionLines(const TBookRec& book);

// A book whose title begins with "(NA)" can be shown but not chosen.
bool BookChoosable(const TBookRec& book);

class NewGameSelection {
 public:
  NewGameSelection(std::filesystem::path programFolder, ErrorLog& errors);

  // Lists the packages: every six-character folder that passes the package check.
  // Reports 207 when the folder cannot be listed, the check's codes, and 206 whenever no
  // package is listed (also after another code). False when an error was reported.
  bool Open();
  const std::vector<std::string>& packages() const { return packages_; }
  const std::vector<int>& packageBookCounts() const { return bookCounts_; }
  // The folders that failed the check without an error report, each as a line that says
  // which one was left out and why; the screen shows them below its introduction.
  const std::vector<std::string>& leftOutLines() const { return leftOut_; }

  // Loads the book list of the package at `position` (0-based) with its covers; reports the
  // book list's codes. False when an error was reported or the position is not listed.
  bool LoadPackage(int position);
  // The loaded package's position, -1 before one is loaded.
  int loadedPackage() const { return loaded_; }
  const std::vector<TBookRec>& books() const { return books_; }
  const std::vector<Picture>& covers() const { return covers_; }

  // The choice for the book at `position` (0-based) of the loaded package and the
  // difficulty item; nullopt for a book that cannot be chosen.
  std::optional<NewGameChoice> Choose(int position, int difficultyItem) const;

 private:
  // The package check of one folder with its error reports; the book count on success.
  std::optional<int> ForrasValidalas(const std::string& folder);

  std::filesystem::path programFolder_;
  ErrorLog& errors_;
  std::vector<std::string> packages_;
  std::vector<int> bookCounts_;
  std::vector<std::string> leftOut_;
  int loaded_ = -1;
  std::vector<TBookRec> books_;
  std::vector<Picture> covers_;
};

}  // namespace zrx
