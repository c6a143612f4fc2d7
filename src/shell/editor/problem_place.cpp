#include "editor/problem_place.h"

namespace zrx {

ProblemPlace PlaceOf(const book::Diagnostic& finding, const EditorSession& session) {
  ProblemPlace place;
  const auto& books = session.books();
  for (std::size_t b = 0; b < books.size(); ++b) {
    if (books[b].file.string() == finding.file) place.book = static_cast<int>(b);
  }
  if (place.book < 0 || !books[static_cast<std::size_t>(place.book)].parsed) return place;
  const auto& chapters = books[static_cast<std::size_t>(place.book)].parsed->chapters;
  for (std::size_t c = 0; c < chapters.size() && chapters[c].lines.record <= finding.line; ++c) {
    place.chapter = static_cast<int>(c);
  }
  if (place.chapter < 0) return place;
  // The key on the nearest line at or above the finding; of several keys on that line
  // (a chapter point written in braces), the one the message names.
  const auto& fields = chapters[static_cast<std::size_t>(place.chapter)].lines.fields;
  int fieldLine = 0;
  for (const auto& [key, line] : fields) {
    if (line <= finding.line && line > fieldLine) fieldLine = line;
  }
  for (const auto& [key, line] : fields) {
    if (line != fieldLine) continue;
    if (place.field.empty() || finding.message.find(key) != std::string::npos) place.field = key;
  }
  return place;
}

std::string ProblemRowText(const book::Diagnostic& finding, const ProblemPlace& place, const EditorSession& session) {
  // Named from the package's folder, as the package names its books.
  const std::filesystem::path relative = std::filesystem::path(finding.file).lexically_relative(session.file().parent_path());
  const bool inside = !relative.empty() && *relative.begin() != "..";
  std::string row = (inside ? relative.string() : finding.file) + ":" + std::to_string(finding.line);
  if (place.chapter >= 0) {
    const auto& chapter = session.books()[static_cast<std::size_t>(place.book)].parsed->chapters[static_cast<std::size_t>(place.chapter)];
    row += " · FejezetPont " + std::to_string(chapter.rec.Number);
  }
  if (!place.field.empty()) row += " · " + place.field;
  return row + " · " + finding.message;
}

}  // namespace zrx
