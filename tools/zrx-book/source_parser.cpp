#include "source_parser.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

#include "record_fields.h"
#include "source_coding.h"
#include "win1250.h"

namespace zrx::book {
namespace {

int lineOf(const YAML::Node& node) { return node.Mark().line + 1; }

// Everything a parse step needs to report a finding.
struct Ctx {
  Diagnostics& diags;
  std::string file;
  void error(const YAML::Node& node, const std::string& message) { diags.error(file, lineOf(node), message); }
};

// A block text as lines; the line break that closes a YAML block is not a line of its own.
std::vector<std::string> splitLines(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  std::vector<std::string> lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string joinHash(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? "#" : "") + lines[i];
  return out;
}

std::optional<std::string> scalarText(const YAML::Node& node, const std::string& key, Ctx& ctx) {
  if (!node.IsScalar()) {
    ctx.error(node, "'" + key + "' must be a single value");
    return std::nullopt;
  }
  const std::string value = node.Scalar();
  if (!FitsWin1250(value)) {
    ctx.error(node, "'" + key + "' holds a character that Windows-1250 cannot hold");
    return std::nullopt;
  }
  return value;
}

std::optional<long long> scalarNumber(const YAML::Node& node, const std::string& key, Ctx& ctx) {
  auto text = scalarText(node, key, ctx);
  if (!text) return std::nullopt;
  if (*text == "true") return 1;
  if (*text == "false") return 0;
  try {
    std::size_t used = 0;
    const long long value = std::stoll(*text, &used, 10);
    if (used == text->size()) return value;
  } catch (const std::exception&) {
  }
  ctx.error(node, "'" + key + "' must be a whole number, not \"" + *text + "\"");
  return std::nullopt;
}

template <typename Rec>
void applyField(Rec& rec, const FieldDef<Rec>& def, const YAML::Node& node, Ctx& ctx) {
  if (auto* member = std::get_if<std::string Rec::*>(&def.member)) {
    auto text = scalarText(node, def.key, ctx);
    if (!text) return;
    std::string value = def.lines ? joinHash(splitLines(*text)) : *text;
    if (static_cast<long long>(Utf8Length(value)) > def.limit) {
      ctx.error(node, "'" + std::string(def.key) + "' is longer than " + std::to_string(def.limit) + " characters");
    }
    rec.*(*member) = std::move(value);
    return;
  }
  auto number = scalarNumber(node, def.key, ctx);
  if (!number) return;
  if (*number < def.minimum || *number > def.limit) {
    ctx.error(node, "'" + std::string(def.key) + "' must lie between " + std::to_string(def.minimum) + " and " +
                        std::to_string(def.limit));
    return;
  }
  if (auto* member = std::get_if<std::int32_t Rec::*>(&def.member)) {
    rec.*(*member) = static_cast<std::int32_t>(*number);
  } else {
    rec.*(std::get<std::uint8_t Rec::*>(def.member)) = static_cast<std::uint8_t>(*number);
  }
}

// Extra keys of a record that are not plain fields.
template <typename Rec>
using ExtraKeys = std::map<std::string, std::function<void(Rec&, const YAML::Node&)>>;

template <typename Rec>
void parseMap(const YAML::Node& map, Rec& rec, SourceLines& lines, const std::vector<FieldDef<Rec>>& fields,
              const ExtraKeys<Rec>& extra, Ctx& ctx, const std::string& what) {
  lines.record = lineOf(map);
  if (!map.IsMap()) {
    ctx.error(map, what + " must be a map of keys and values");
    return;
  }
  for (const auto& kv : map) {
    if (!kv.first.IsScalar()) {
      ctx.error(kv.first, "a key of " + what + " must be a plain word");
      continue;
    }
    const std::string key = kv.first.Scalar();
    lines.fields[key] = lineOf(kv.first);  // the line where the author wrote the key
    auto def = std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return key == f.key; });
    if (def != fields.end()) {
      applyField(rec, *def, kv.second, ctx);
    } else if (auto it = extra.find(key); it != extra.end()) {
      it->second(rec, kv.second);
    } else {
      ctx.error(kv.first, "unknown key '" + key + "' in " + what);
    }
  }
  if (!lines.fields.contains("Number") && std::find_if(fields.begin(), fields.end(), [](const auto& f) {
        return std::string(f.key) == "Number";
      }) != fields.end()) {
    ctx.error(map, what + " has no 'Number'");
  }
}

template <typename Rec>
void parseRecordList(const YAML::Node& list, std::vector<SourceRecord<Rec>>& out,
                     const std::vector<FieldDef<Rec>>& fields, Ctx& ctx, const std::string& what,
                     const Rec& defaults = Rec{}) {
  if (!list.IsSequence()) {
    ctx.error(list, "the list of " + what + " records must be a sequence");
    return;
  }
  for (const auto& node : list) {
    SourceRecord<Rec> record{defaults, {}};
    parseMap(node, record.rec, record.lines, fields, {}, ctx, what);
    out.push_back(std::move(record));
  }
}

std::vector<std::string> parseFileList(const YAML::Node& node, const std::string& key, Ctx& ctx) {
  std::vector<std::string> files;
  if (!node.IsSequence()) {
    ctx.error(node, "'" + key + "' must be a list of file names");
    return files;
  }
  for (const auto& item : node) {
    if (auto name = scalarText(item, key, ctx)) files.push_back(*name);
  }
  return files;
}

// "vége", "győzelem" or a chapter number, as a continuation code.
std::string parseContinuation(const YAML::Node& node, Ctx& ctx) {
  auto text = scalarText(node, "Next", ctx);
  if (!text) return {};
  if (*text == "vége" || *text == "Vége") return ContinuationCode(kEndContinuation);
  if (*text == "győzelem" || *text == "Győzelem") return ContinuationCode(kVictoryContinuation);
  auto number = scalarNumber(node, "Next", ctx);
  if (!number) return {};
  if (*number < 0 || *number > 0xFFF) {
    ctx.error(node, "a continuation must be a chapter number from 0 to 4095, \"vége\" or \"győzelem\"");
    return {};
  }
  return ContinuationCode(static_cast<int>(*number));
}

ExtraKeys<SourceChapter> chapterKeys(Ctx& ctx) {
  return {
      {"Number",
       [&ctx](SourceChapter& c, const YAML::Node& n) {
         if (auto v = scalarNumber(n, "Number", ctx)) {
           if (*v < -1 || *v > 0xFFF) ctx.error(n, "a chapter number must lie between -1 and 4095");
           c.rec.Number = static_cast<std::int32_t>(*v);
         }
       }},
      {"Text", [&ctx](SourceChapter& c, const YAML::Node& n) {
         if (auto v = scalarText(n, "Text", ctx)) c.text = splitLines(*v);
       }},
      {"Picture", [&ctx](SourceChapter& c, const YAML::Node& n) {
         if (auto v = scalarText(n, "Picture", ctx)) c.pictureFile = *v;
       }},
      {"Next", [&ctx](SourceChapter& c, const YAML::Node& n) {
         if (!n.IsSequence()) return ctx.error(n, "'Next' must be a list of continuations");
         for (const auto& item : n) c.rec.NextChapters += parseContinuation(item, ctx);
         if (c.rec.NextChapters.size() > 63) ctx.error(n, "a chapter point has at most 21 continuations");
       }},
  };
}

// The plain fields of a record held inside a source wrapper, as extra keys of the wrapper.
template <typename Outer, typename Rec>
void addInnerFields(ExtraKeys<Outer>& keys, const std::vector<FieldDef<Rec>>& fields, Rec Outer::*inner, Ctx& ctx) {
  for (const auto& def : fields) {
    keys[def.key] = [&ctx, def, inner](Outer& o, const YAML::Node& n) { applyField(o.*inner, def, n, ctx); };
  }
}

void parseChapters(const YAML::Node& list, SourceBook& book, Ctx& ctx) {
  if (!list.IsSequence()) return ctx.error(list, "'Chapters' must be a sequence of chapter points");
  auto extra = chapterKeys(ctx);
  addInnerFields(extra, ChapterCodeFields(), &SourceChapter::rec, ctx);
  for (const auto& node : list) {
    SourceChapter chapter;
    parseMap<SourceChapter>(node, chapter, chapter.lines, {}, extra, ctx, "a chapter point");
    if (node.IsMap() && !chapter.lines.fields.contains("Number")) ctx.error(node, "a chapter point has no 'Number'");
    book.chapters.push_back(std::move(chapter));
  }
}

void parseDescription(const YAML::Node& node, SourceBook& book, Ctx& ctx) {
  auto text = scalarText(node, "Description", ctx);
  if (!text) return;
  const std::string joined = joinHash(splitLines(*text));
  const std::size_t length = Utf8Length(joined);
  if (length > 3 * 255) ctx.error(node, "'Description' is longer than 765 characters");
  book.book.Description1 = Utf8Cut(joined, 255);
  if (length > 255) book.book.Description2 = Utf8Cut(joined.substr(book.book.Description1.size()), 255);
  if (length > 510) {
    const std::size_t used = book.book.Description1.size() + book.book.Description2.size();
    book.book.Description3 = Utf8Cut(joined.substr(used), 255);
  }
}

void parseSpecialValues(const YAML::Node& node, SourceBook& book, Ctx& ctx) {
  if (!node.IsSequence() || node.size() > 4) return ctx.error(node, "'SpecialValues' must list at most 4 numbers");
  for (const auto& item : node) {
    auto v = scalarNumber(item, "SpecialValues", ctx);
    if (!v) continue;
    if (*v < 1 || *v > 99) {
      ctx.error(item, "a characteristic number must lie between 1 and 99");
      continue;
    }
    char code[3];
    std::snprintf(code, sizeof code, "%02d", static_cast<int>(*v));
    book.book.SpecialValueCodes += code;
    ++book.book.SpecialValueCount;
  }
}

ExtraKeys<SourceBook> bookKeys(Ctx& ctx) {
  return {
      {"Description", [&ctx](SourceBook& b, const YAML::Node& n) { parseDescription(n, b, ctx); }},
      {"SpecialValues", [&ctx](SourceBook& b, const YAML::Node& n) { parseSpecialValues(n, b, ctx); }},
      {"Cover", [&ctx](SourceBook& b, const YAML::Node& n) {
         if (auto v = scalarText(n, "Cover", ctx)) b.coverFile = *v;
       }},
      {"ChapterPictures", [&ctx](SourceBook& b, const YAML::Node& n) {
         b.chapterPictureFiles = parseFileList(n, "ChapterPictures", ctx);
       }},
      {"DecorPictures", [&ctx](SourceBook& b, const YAML::Node& n) {
         b.decorPictureFiles = parseFileList(n, "DecorPictures", ctx);
       }},
      {"LastChapter", [&ctx](SourceBook& b, const YAML::Node& n) {
         if (auto v = scalarNumber(n, "LastChapter", ctx)) {
           b.book.LastChapter = static_cast<std::int32_t>(*v);
           b.lastChapterGiven = true;
         }
       }},
      {"Opponents", [&ctx](SourceBook& b, const YAML::Node& n) {
         parseRecordList(n, b.opponents, MonsterFields(), ctx, "opponent", DefaultMonster());
       }},
      {"Items", [&ctx](SourceBook& b, const YAML::Node& n) { parseRecordList(n, b.items, ItemFields(), ctx, "item"); }},
      {"Infos", [&ctx](SourceBook& b, const YAML::Node& n) { parseRecordList(n, b.infos, InfoFields(), ctx, "information"); }},
      {"BaseValues", [&ctx](SourceBook& b, const YAML::Node& n) {
         parseRecordList(n, b.baseValues, BaseValueFields(), ctx, "characteristic");
       }},
      {"MagicSkills", [&ctx](SourceBook& b, const YAML::Node& n) {
         parseRecordList(n, b.magicSkills, MagicSkillFields(), ctx, "magic or skill");
       }},
      {"Chapters", [&ctx](SourceBook& b, const YAML::Node& n) { parseChapters(n, b, ctx); }},
  };
}

// Chapter pictures named by chapter points are numbered in the order of the list,
// then in the order in which chapter points first name further files.
void numberPictures(SourceBook& book) {
  for (SourceChapter& c : book.chapters) {
    if (c.pictureFile.empty()) continue;
    auto& files = book.chapterPictureFiles;
    auto it = std::find(files.begin(), files.end(), c.pictureFile);
    if (it == files.end()) it = files.insert(files.end(), c.pictureFile);
    c.rec.PictureNumber = static_cast<std::uint8_t>(std::min<std::ptrdiff_t>(it - files.begin() + 1, 255));
  }
  book.book.ChapterPictureCount = static_cast<std::uint8_t>(std::min<std::size_t>(book.chapterPictureFiles.size(), 255));
  book.book.DecorPictureCount = static_cast<std::uint8_t>(std::min<std::size_t>(book.decorPictureFiles.size(), 255));
}

std::optional<YAML::Node> loadYaml(const std::string& text, const std::string& file, Diagnostics& diags) {
  try {
    return YAML::Load(text);
  } catch (const YAML::Exception& e) {
    diags.error(file, e.mark.line + 1, "not valid YAML: " + e.msg);
    return std::nullopt;
  }
}

std::optional<std::string> readFile(const std::filesystem::path& file, Diagnostics& diags) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    diags.error(file.string(), 0, "cannot read the file");
    return std::nullopt;
  }
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

}  // namespace

std::string ContinuationCode(int chapter) {
  if (chapter == kEndContinuation) return "HHH";
  if (chapter == kVictoryContinuation) return "GGG";
  char code[8];
  std::snprintf(code, sizeof code, "%03X", static_cast<unsigned>(chapter) & 0xFFFu);
  return code;
}

std::optional<SourceBook> ParseBookText(const std::string& yaml, const std::filesystem::path& file, int number,
                                        Diagnostics& diags) {
  Ctx ctx{diags, file.string()};
  const int errorsBefore = diags.errorCount();
  auto root = loadYaml(yaml, ctx.file, diags);
  if (!root) return std::nullopt;
  SourceBook book;
  book.file = file;
  book.book.Number = number;
  auto keys = bookKeys(ctx);
  addInnerFields(keys, BookTextFields(), &SourceBook::book, ctx);
  parseMap<SourceBook>(*root, book, book.bookLines, {}, keys, ctx, "the book");
  numberPictures(book);
  book.book.ChapterCount = static_cast<std::int32_t>(book.chapters.size());
  if (!book.lastChapterGiven) {
    int highest = -1;
    for (const auto& c : book.chapters) highest = std::max(highest, c.rec.Number);
    book.book.LastChapter = highest;
  }
  if (diags.errorCount() != errorsBefore && book.chapters.empty()) return std::nullopt;
  return book;
}

std::optional<SourceBook> ParseBookFile(const std::filesystem::path& file, int number, Diagnostics& diags) {
  auto text = readFile(file, diags);
  if (!text) return std::nullopt;
  return ParseBookText(*text, file, number, diags);
}

std::optional<SourcePackage> ParsePackageFile(const std::filesystem::path& file, Diagnostics& diags) {
  auto text = readFile(file, diags);
  if (!text) return std::nullopt;
  Ctx ctx{diags, file.string()};
  auto root = loadYaml(*text, ctx.file, diags);
  if (!root) return std::nullopt;
  SourcePackage package;
  package.file = file;
  if (!root->IsMap() || !(*root)["Package"] || !(*root)["Books"]) {
    diags.error(ctx.file, 1, "a package file needs 'Package' (the folder name) and 'Books' (the book files)");
    return std::nullopt;
  }
  const YAML::Node name = (*root)["Package"];
  package.nameLine = lineOf(name);
  package.name = scalarText(name, "Package", ctx).value_or("");
  if (Utf8Length(package.name) != 6) {
    ctx.error(name, "a package name must have exactly six characters");
  } else if (!IsPackageName(package.name)) {
    // The name becomes a folder in the output folder and beside the program.
    ctx.error(name, "a package name is a folder name: it must not hold '/' or '\\'");
  }
  const YAML::Node books = (*root)["Books"];
  if (!books.IsSequence() || books.size() == 0 || books.size() > 99) {
    ctx.error(books, "'Books' must list from 1 to 99 book files");
    return std::nullopt;
  }
  int number = 0;
  for (const auto& entry : books) {
    ++number;
    const auto bookFile = scalarText(entry, "Books", ctx);
    if (!bookFile) continue;
    auto book = ParseBookFile(file.parent_path() / *bookFile, number, diags);
    if (book) package.books.push_back(std::move(*book));
  }
  return package;
}

}  // namespace zrx::book
