#pragma once
// A book as its author wrote it: the records of the book, its texts and the
// picture files, each remembered with the source line it came from.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "records.h"

namespace zrx::book {

// Source lines of a record: the line of the record itself and of each field by key.
struct SourceLines {
  int record = 0;
  std::map<std::string, int> fields;
  int of(const std::string& key) const {
    auto it = fields.find(key);
    return it == fields.end() ? record : it->second;
  }
};

struct SourceChapter {
  TChapterRec rec;
  std::vector<std::string> text;  // lines as written
  std::string pictureFile;        // empty: no picture of its own
  // Reached on purpose without the texts leading to it naming its number ("Hidden: true").
  bool hidden = false;
  SourceLines lines;
};

template <typename Rec>
struct SourceRecord {
  Rec rec;
  SourceLines lines;
};

struct SourceBook {
  std::filesystem::path file;  // the book's YAML file; pictures lie beside it
  TBookRec book;               // Number, ChapterCount, LastChapter and the picture counts are set by the parser
  SourceLines bookLines;
  bool lastChapterGiven = false;  // the author wrote LastChapter; otherwise it is derived
  std::string coverFile;
  std::vector<std::string> chapterPictureFiles;  // picture n is entry n - 1
  std::vector<std::string> decorPictureFiles;
  std::vector<SourceChapter> chapters;           // in source order
  std::vector<SourceRecord<TMonsterRec>> opponents;
  std::vector<SourceRecord<TInventoryRec>> items;
  std::vector<SourceRecord<TInfoRec>> infos;
  std::vector<SourceRecord<TBaseValueRec>> baseValues;
  std::vector<SourceRecord<TMagicSkillRec>> magicSkills;

  const SourceChapter* findChapter(int number) const;
  std::string fileName() const { return file.string(); }
};

struct SourcePackage {
  std::filesystem::path file;
  std::string name;  // the six-character folder name
  int nameLine = 0;
  std::vector<SourceBook> books;  // book n is entry n - 1
};

}  // namespace zrx::book
