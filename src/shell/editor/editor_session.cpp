#include "editor/editor_session.h"

#include <fstream>
#include <iterator>

#include "edited_check.h"
#include "linter.h"
#include "source_parser.h"

namespace zrx {

std::optional<EditorSession> EditorSession::Open(const std::filesystem::path& file, std::string& error) {
  auto first = book::SourceDocument::Open(file, error);
  if (!first) return std::nullopt;
  EditorSession session;
  session.file_ = file;
  std::vector<std::filesystem::path> bookFiles;
  if (first->valueAt({"Package"})) {
    const std::size_t count = first->sizeAt({"Books"});
    for (std::size_t i = 0; i < count; ++i) {
      auto name = first->valueAt({"Books", i});
      if (!name) {
        error = file.string() + ":" + std::to_string(first->lineAt({"Books", i})) + ": a book file must be a file name";
        return std::nullopt;
      }
      bookFiles.push_back(file.parent_path() / *name);
    }
    if (bookFiles.empty()) {
      error = file.string() + ": the package lists no book files under 'Books'";
      return std::nullopt;
    }
    session.package_ = std::move(first);
  } else {
    bookFiles.push_back(file);
  }
  for (const auto& bookFile : bookFiles) {
    auto document = bookFile == file && !session.package_ ? std::move(first) : book::SourceDocument::Open(bookFile, error);
    if (!document) return std::nullopt;
    session.books_.push_back({bookFile, std::move(*document), std::nullopt});
    session.reparse(session.books_.size() - 1);
  }
  return session;
}

void EditorSession::reparse(std::size_t book) {
  EditorBook& entry = books_[book];
  book::Diagnostics ignored;
  entry.parsed = book::ParseBookText(entry.document.bytes(), entry.file, static_cast<int>(book) + 1, ignored);
}

bool EditorSession::setValue(std::size_t book, const book::ValuePath& path, const std::string& value,
                             std::string& error) {
  if (!books_[book].document.setValue(path, value, error)) return false;
  reparse(book);
  return true;
}

bool EditorSession::setList(std::size_t book, const book::ValuePath& path, const std::vector<std::string>& items,
                            std::string& error) {
  if (!books_[book].document.setList(path, items, error)) return false;
  reparse(book);
  return true;
}

void EditorSession::restore(std::size_t book, const book::SourceDocument& document) {
  books_[book].document.takeContent(document);
  reparse(book);
}

bool EditorSession::modified() const {
  for (const EditorBook& b : books_) {
    if (b.document.modified()) return true;
  }
  return false;
}

std::vector<std::filesystem::path> EditorSession::changedOnDisk() const {
  std::vector<std::filesystem::path> changed;
  for (const EditorBook& b : books_) {
    if (!b.document.modified()) continue;
    std::ifstream in(b.file, std::ios::binary);
    const std::string onDisk(std::istreambuf_iterator<char>(in), {});
    if (onDisk != b.document.savedBytes()) changed.push_back(b.file);
  }
  return changed;
}

bool EditorSession::save(std::string& error) {
  for (EditorBook& b : books_) {
    if (b.document.modified() && !b.document.save(b.file, error)) return false;
  }
  return true;
}

EditorSession::Snapshot EditorSession::snapshot() const {
  Snapshot snapshot{file_, package_.has_value(), {}};
  for (const EditorBook& b : books_) snapshot.files.emplace(b.file, b.document.bytes());
  return snapshot;
}

book::Diagnostics CheckSnapshot(const EditorSession::Snapshot& snapshot) {
  if (snapshot.isPackage) return book::CheckEditedPackage(snapshot.file, snapshot.files);
  book::Diagnostics found;
  found.setStrict(true);
  const auto& [file, bytes] = *snapshot.files.begin();
  if (auto parsed = book::ParseBookText(bytes, file, 1, found)) book::LintBook(*parsed, found);
  return found;
}

}  // namespace zrx
