#include "linter.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <map>
#include <set>

#include "code_check.h"
#include "source_parser.h"

namespace zrx::book {
namespace {

constexpr std::size_t kMaxPictures = 255;

struct BookLint {
  const SourceBook& book;
  const BookIndex index;
  Diagnostics& diags;
  const std::string file;

  BookLint(const SourceBook& b, Diagnostics& d) : book(b), index(IndexBook(b)), diags(d), file(b.fileName()) {}

  CodeCheck check(int line, const std::string& field) { return CodeCheck(index, diags, file, line, field); }

  void numbering() {
    std::set<int> seen;
    for (const auto& c : book.chapters) {
      if (!seen.insert(c.rec.Number).second) {
        diags.error(file, c.lines.record, "chapter point " + std::to_string(c.rec.Number) + " is defined twice");
      }
    }
    const int count = book.book.ChapterCount;
    const int line = book.bookLines.of(book.lastChapterGiven ? "LastChapter" : "Chapters");
    if (book.book.LastChapter != count - 2) {
      diags.error(file, line, "LastChapter is " + std::to_string(book.book.LastChapter) + " but the book has " +
                                  std::to_string(count) + " chapter records: LastChapter must be ChapterCount - 2");
    }
    for (int n = -1; n <= std::max(0, book.book.LastChapter); ++n) {
      if (!seen.contains(n)) diags.error(file, line, "chapter point " + std::to_string(n) + " is missing");
    }
  }

  void bookFields() {
    for (int n : {1, 2, 3}) {
      if (!index.baseValues.contains(n)) {
        diags.error(file, book.bookLines.record, "characteristic " + std::to_string(n) + " is not defined");
      }
    }
    if (book.bookLines.fields.contains("MoneyItem") && !index.items.contains(book.book.MoneyItem)) {
      diags.error(file, book.bookLines.of("MoneyItem"),
                  "MoneyItem names item " + std::to_string(book.book.MoneyItem) + ", which the book does not define");
    }
    CodeCheck special = check(book.bookLines.of("SpecialValues"), "SpecialValues");
    for (std::size_t i = 0; i + 1 < book.book.SpecialValueCodes.size(); i += 2) {
      special.baseValue(std::stoi(book.book.SpecialValueCodes.substr(i, 2)));
    }
    const auto picture = [&](const std::string& name, const std::string& key) {
      if (!std::filesystem::is_regular_file(book.file.parent_path() / name)) {
        diags.error(file, book.bookLines.of(key), "picture file \"" + name + "\" does not exist");
      }
    };
    // A book record counts its pictures in one byte: a 256th could never be shown.
    const auto pictureCount = [&](std::size_t count, const std::string& key, const char* what) {
      if (count > kMaxPictures) {
        diags.error(file, book.bookLines.of(key), "the book has " + std::to_string(count) + " " + what +
                                                      "; a book holds at most 255");
      }
    };
    pictureCount(book.chapterPictureFiles.size(), "ChapterPictures", "chapter pictures");
    pictureCount(book.decorPictureFiles.size(), "DecorPictures", "decorative pictures");
    if (!book.coverFile.empty()) picture(book.coverFile, "Cover");
    for (const auto& name : book.decorPictureFiles) picture(name, "DecorPictures");
    // Pictures named by chapter points are reported at the chapter point that names them.
    for (const auto& name : book.chapterPictureFiles) {
      const bool named = std::any_of(book.chapters.begin(), book.chapters.end(),
                                     [&](const SourceChapter& c) { return c.pictureFile == name; });
      if (!named) picture(name, "ChapterPictures");
    }
    for (const auto& c : book.chapters) {
      if (!c.pictureFile.empty() && !std::filesystem::is_regular_file(book.file.parent_path() / c.pictureFile)) {
        diags.error(file, c.lines.of("Picture"), "picture file \"" + c.pictureFile + "\" does not exist");
      }
    }
  }

  void records() {
    for (const auto& r : book.items) {
      CodeCheck c = check(r.lines.of("UseCode"), "UseCode");
      CheckItemUseCode(r.rec.UseCode, c);
    }
    for (const auto& r : book.infos) {
      CodeCheck c = check(r.lines.of("Code"), "Code");
      CheckInfoCode(r.rec.Code, c);
      if (r.rec.Kind >= 1001 && r.rec.Kind <= 2999 && r.rec.Time < 1) {
        diags.warning(file, r.lines.of("Time"), "a timed information should start with a Time of at least 1");
      }
    }
    for (const auto& r : book.opponents) CheckOpponentCodes(r.rec, r.lines, index, diags, file);
  }

  void chapter(const SourceChapter& c) {
    CodeCheck next = check(c.lines.of("Next"), "Next");
    const auto targets = DecodeContinuations(c.rec.NextChapters);
    std::string written;  // the continuations as the author wrote them, for the findings
    for (const auto& target : targets) {
      written += (written.empty() ? "" : ", ") + (!target ? std::string("?")
                                                  : *target == kEndContinuation ? std::string("vége")
                                                  : *target == kVictoryContinuation ? std::string("győzelem")
                                                                                    : std::to_string(*target));
    }
    next.run(c.rec.NextChapters, [&](const CodeReader&) {
      for (const auto& target : targets) {
        if (target && *target >= 0) next.chapter(*target);
      }
    }, written);
    CodeCheck conditions = check(c.lines.of("Conditions"), "Conditions");
    CheckConditions(c.rec, conditions);
    CodeCheck battle = check(c.lines.of("BattleCode"), "BattleCode");
    CheckBattleCode(c.rec.BattleCode, battle);
    CheckSpecialChanges(c.rec, c.lines, index, diags, file);
    CheckTextMentions(book, c, diags);
    CheckTextLineBreaks(book, c, diags);
  }

  void graph() {
    std::map<int, const SourceChapter*> byNumber;
    for (const auto& c : book.chapters) byNumber.emplace(c.rec.Number, &c);
    std::set<int> reached = {-1};
    std::deque<int> todo = {-1};
    while (!todo.empty()) {
      auto it = byNumber.find(todo.front());
      todo.pop_front();
      if (it == byNumber.end()) continue;
      for (const auto& target : DecodeContinuations(it->second->rec.NextChapters)) {
        if (target && *target >= 0 && reached.insert(*target).second) todo.push_back(*target);
      }
    }
    for (const auto& c : book.chapters) {
      if (!reached.contains(c.rec.Number)) {
        diags.warning(file, c.lines.record, "no continuation reaches chapter point " + std::to_string(c.rec.Number));
      }
      if (c.rec.NextChapters.empty()) {
        diags.warning(file, c.lines.record,
                      "chapter point " + std::to_string(c.rec.Number) + " has no way on and is not an ending");
      }
    }
  }

  void run() {
    numbering();
    bookFields();
    records();
    for (const auto& c : book.chapters) chapter(c);
    graph();
  }
};

// Records that two books of a package both define must agree: the package holds one of each.
template <typename Rec>
void sharedRecords(const SourcePackage& package, std::vector<SourceRecord<Rec>> SourceBook::*list, const char* what,
                   Diagnostics& diags) {
  std::map<int, std::pair<const Rec*, const SourceBook*>> first;
  for (const auto& book : package.books) {
    for (const auto& r : book.*list) {
      auto [it, fresh] = first.emplace(r.rec.Number, std::make_pair(&r.rec, &book));
      if (fresh || *it->second.first == r.rec) continue;
      diags.error(book.fileName(), r.lines.record,
                  std::string(what) + " " + std::to_string(r.rec.Number) + " is defined differently in " +
                      it->second.second->fileName() + "; the books of a package share their records");
    }
  }
}

}  // namespace

std::vector<std::optional<int>> DecodeContinuations(const std::string& nextChapters) {
  std::vector<std::optional<int>> out;
  for (std::size_t i = 0; i + 3 <= nextChapters.size(); i += 3) {
    const std::string code = nextChapters.substr(i, 3);
    if (code == "HHH") {
      out.emplace_back(kEndContinuation);
    } else if (code == "GGG") {
      out.emplace_back(kVictoryContinuation);
    } else if (code.find_first_not_of("0123456789ABCDEF") == std::string::npos) {
      out.emplace_back(std::stoi(code, nullptr, 16));
    } else {
      out.emplace_back(std::nullopt);
    }
  }
  return out;
}

void LintBook(const SourceBook& book, Diagnostics& diags) { BookLint(book, diags).run(); }

void LintPackage(const SourcePackage& package, Diagnostics& diags) {
  for (const auto& book : package.books) LintBook(book, diags);
  const auto covered = std::count_if(package.books.begin(), package.books.end(),
                                     [](const SourceBook& b) { return !b.coverFile.empty(); });
  if (covered != 0 && covered != static_cast<long>(package.books.size())) {
    diags.error(package.file.string(), package.nameLine, "either every book of a package has a Cover or none has");
  }
  sharedRecords(package, &SourceBook::opponents, "opponent", diags);
  sharedRecords(package, &SourceBook::items, "item", diags);
  sharedRecords(package, &SourceBook::infos, "information", diags);
  sharedRecords(package, &SourceBook::baseValues, "characteristic", diags);
  sharedRecords(package, &SourceBook::magicSkills, "magic or skill", diags);
}

}  // namespace zrx::book
