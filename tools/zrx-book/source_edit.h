#pragma once
// A YAML source kept as the author's bytes. A change rewrites only the bytes of the value
// it changes (or adds one key line), so comments, order, layout and every untouched byte
// stay as written: a book kept in version control shows only the lines that changed.
#include <yaml-cpp/yaml.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zrx::book {

// One step from the document's root to a value: a key of a map or an index of a sequence.
using PathStep = std::variant<std::string, std::size_t>;
using ValuePath = std::vector<PathStep>;

// Larger sources are refused: no book comes near, and reading one would stall the editor.
inline constexpr std::size_t kMaxSourceBytes = 16u << 20;

class SourceDocument {
 public:
  using Wanted = std::function<bool(const YAML::Node&)>;

  // The document in `bytes`; `name` names it in messages. Text that is not YAML, holds an
  // alias (an edit through it would change several places at once) or is too large gives
  // nullopt and the reason in `error`.
  static std::optional<SourceDocument> FromBytes(std::string bytes, const std::string& name, std::string& error);
  static std::optional<SourceDocument> Open(const std::filesystem::path& file, std::string& error);

  // Assigning a YAML::Node writes through to the tree it refers to; these rebind instead.
  SourceDocument(const SourceDocument&) = default;
  SourceDocument& operator=(const SourceDocument& other);

  // Takes the bytes of `other` (an earlier or later state of this document, for undo and
  // redo) but keeps knowing what was last saved.
  void takeContent(const SourceDocument& other);

  const std::string& bytes() const { return bytes_; }
  const std::string& name() const { return name_; }
  // The bytes differ from those opened or last saved.
  bool modified() const { return bytes_ != savedBytes_; }
  // The bytes as opened or last saved.
  const std::string& savedBytes() const { return savedBytes_; }

  // The scalar at `path`; nullopt when there is none.
  std::optional<std::string> valueAt(const ValuePath& path) const;
  // The number of entries of the list or map at `path`; 0 when there is none.
  std::size_t sizeAt(const ValuePath& path) const;
  // The 1-based line where the value at `path` starts; 0 when there is none.
  int lineAt(const ValuePath& path) const;

  // Sets the scalar at `path` to `value`, in the style it was written in when that style
  // can hold the new value, otherwise quoted. When the last step is a key that its map
  // lacks, the key is added beside the map's first key. The document is checked after the
  // change: unless it reads back with this value and every other value unchanged, nothing
  // changes and `error` says why.
  bool setValue(const ValuePath& path, const std::string& value, std::string& error);

  // Sets the list at `path` (one written in [ ], or a key its map lacks) to `items`.
  bool setList(const ValuePath& path, const std::vector<std::string>& items, std::string& error);

  // Writes the bytes to `file` through a temporary file beside it, so a failed write
  // leaves the old file whole.
  bool save(const std::filesystem::path& file, std::string& error);

 private:
  SourceDocument(std::string bytes, std::string name, YAML::Node root, std::size_t offset);
  bool replaceScalar(const ValuePath& path, const YAML::Node& node, const std::string& value, std::string& error);
  // Adds the key that ends `path` to `map`, with the first of the written `forms` that reads back.
  bool insertKey(const ValuePath& path, const YAML::Node& map, const std::vector<std::string>& forms,
                 const Wanted& wanted, std::string& error);
  // Takes `candidate` as the new bytes when the value at `path` reads back as `wanted` and
  // every other value as before.
  bool accept(std::string candidate, const ValuePath& path, const Wanted& wanted);
  bool inFlow(const ValuePath& path) const;

  std::string bytes_;
  std::string savedBytes_;
  std::string name_;
  YAML::Node root_;
  std::size_t markOffset_ = 0;  // a byte-order mark precedes the offsets the reader counts
};

}  // namespace zrx::book
