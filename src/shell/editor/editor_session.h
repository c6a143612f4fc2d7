#pragma once
// What the book editor has open: a package source and its book files, each held as the
// author's bytes, and each book as the book parser last read it (for the chapter list).
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "source_edit.h"
#include "source_model.h"

namespace zrx {

struct EditorBook {
  std::filesystem::path file;  // as the package names it (beside or below the package file)
  book::SourceDocument document;
  std::optional<book::SourceBook> parsed;  // nullopt while the bytes do not read as a book
};

class EditorSession {
 public:
  // A package file ("Package" and "Books") or, on its own, one book file.
  static std::optional<EditorSession> Open(const std::filesystem::path& file, std::string& error);

  const std::filesystem::path& file() const { return file_; }
  // The package's own file; nullopt when a book file was opened on its own.
  const std::optional<book::SourceDocument>& package() const { return package_; }
  const std::vector<EditorBook>& books() const { return books_; }

  // A change of one value or list of book `book` (0-based); the book is read again.
  bool setValue(std::size_t book, const book::ValuePath& path, const std::string& value, std::string& error);
  bool setList(std::size_t book, const book::ValuePath& path, const std::vector<std::string>& items,
               std::string& error);
  // Puts back the bytes of a document held before (undo and redo); what was saved stays
  // known, so an undo after saving counts as a change.
  void restore(std::size_t book, const book::SourceDocument& document);

  bool modified() const;
  // The changed book files whose bytes on disk are no longer those opened or last saved
  // (another program wrote them meanwhile): saving would overwrite that.
  std::vector<std::filesystem::path> changedOnDisk() const;
  // Saves every changed book file; stops at the first that cannot be written.
  bool save(std::string& error);

  // The bytes as they stand, for a check that runs while editing goes on.
  struct Snapshot {
    std::filesystem::path file;
    bool isPackage = false;
    std::map<std::filesystem::path, std::string> files;
  };
  Snapshot snapshot() const;

 private:
  EditorSession() = default;
  void reparse(std::size_t book);

  std::filesystem::path file_;
  std::optional<book::SourceDocument> package_;
  std::vector<EditorBook> books_;
};

// The findings of `zrx-book check --strict` over a snapshot; for a book opened on its own,
// those of that book.
book::Diagnostics CheckSnapshot(const EditorSession::Snapshot& snapshot);

}  // namespace zrx
