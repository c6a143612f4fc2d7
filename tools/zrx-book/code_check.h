#pragma once
// The context in which one book code is checked: what the book defines, where
// the code stands, and where findings go.
#include <functional>
#include <set>
#include <string>

#include "code_reader.h"
#include "diagnostics.h"
#include "source_model.h"

namespace zrx::book {

// What the codes of a book read (conditions, conditional changes, what a player must hand
// over): the records through which holding something can matter.
struct RecordReads {
  std::set<int> items, infos, magicSkills;
  std::set<char> itemKinds;  // items handed over by kind: E unique, M magic, N any
  bool spellCount = false;   // a condition counts the spells known
  bool buying = false;       // something is for sale: valuables can be sold to pay
};

// The record numbers a book defines (its package's records, as the game loads them).
struct BookIndex {
  std::set<int> chapters, items, infos, opponents, baseValues, magicSkills;
  std::set<int> hiddenInfos;  // InfoFlag 1
  RecordReads* reads = nullptr;  // when set, the checks note what the codes read
};

BookIndex IndexBook(const SourceBook& book);

class CodeCheck {
 public:
  CodeCheck(const BookIndex& index, Diagnostics& diags, std::string file, int line, std::string field);

  // Checks one code: `body` reads it; a missing field or a non-number becomes a finding.
  // Findings quote `shown` when it is given (the code as the author wrote it), else the code.
  void run(std::string_view code, const std::function<void(const CodeReader&)>& body, std::string_view shown = {});

  void error(const std::string& message);
  void warning(const std::string& message);

  void chapter(int number);
  void item(int number);
  void info(int number);
  void opponent(int number);
  void baseValue(int number);
  void magicSkill(int number);
  // The same checks for a record the code reads (tests, compares, takes away).
  void readItem(int number);
  void readInfo(int number);
  void readMagicSkill(int number);
  void readItemKind(char kind);
  void readSpellCount();
  void readBuying();

  // A character outside `allowed` does nothing in the engine: a warning.
  void oneOf(const CodeReader& r, std::size_t pos, std::string_view allowed, const char* what);
  // A two-character relation of the condition language; any other text is an error.
  void relation(const CodeReader& r, std::size_t pos);
  void operatorAt(const CodeReader& r, std::size_t pos);  // "+", "-" or "="

  const BookIndex& index() const { return index_; }

 private:
  void missing(const char* kind, int number);
  std::string where() const;

  const BookIndex& index_;
  Diagnostics& diags_;
  std::string file_;
  int line_;
  std::string field_;
  std::string code_;
  std::string shown_;
};

// Checkers of the code families; each reports through its CodeCheck.
void CheckConditions(const TChapterRec& chapter, CodeCheck& check);
void CheckBattleCode(const std::string& code, CodeCheck& check);
void CheckSpecialChanges(const TChapterRec& chapter, const SourceLines& lines, const BookIndex& index,
                         Diagnostics& diags, const std::string& file);
void CheckOpponentCodes(const TMonsterRec& opponent, const SourceLines& lines, const BookIndex& index,
                        Diagnostics& diags, const std::string& file);
void CheckItemUseCode(const std::string& code, CodeCheck& check);
void CheckInfoCode(const std::string& code, CodeCheck& check);
// The chapter points that a chapter text names as "(n)" against its continuations.
void CheckTextMentions(const SourceBook& book, const SourceChapter& chapter, Diagnostics& diags);
// A line of a chapter text that breaks inside a sentence.
void CheckTextLineBreaks(const SourceBook& book, const SourceChapter& chapter, Diagnostics& diags);

}  // namespace zrx::book
