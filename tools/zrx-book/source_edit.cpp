#include "source_edit.h"

#include <yaml-cpp/eventhandler.h>

#include <fstream>
#include <sstream>
#include <system_error>

#include "scalar_span.h"

namespace zrx::book {
namespace {

// Notes the first alias of a document; the reader would otherwise tie nodes together,
// and a cyclic anchor would make every walk over the tree endless.
class AliasFinder : public YAML::EventHandler {
 public:
  std::optional<YAML::Mark> alias;
  void OnDocumentStart(const YAML::Mark&) override {}
  void OnDocumentEnd() override {}
  void OnNull(const YAML::Mark&, YAML::anchor_t) override {}
  void OnAlias(const YAML::Mark& mark, YAML::anchor_t) override {
    if (!alias) alias = mark;
  }
  void OnScalar(const YAML::Mark&, const std::string&, YAML::anchor_t, const std::string&) override {}
  void OnSequenceStart(const YAML::Mark&, const std::string&, YAML::anchor_t, YAML::EmitterStyle::value) override {}
  void OnSequenceEnd() override {}
  void OnMapStart(const YAML::Mark&, const std::string&, YAML::anchor_t, YAML::EmitterStyle::value) override {}
  void OnMapEnd() override {}
};

std::string tooLarge(const std::string& name) {
  return name + ": the file is larger than " + std::to_string(kMaxSourceBytes >> 20) + " MB";
}

// The document's root; nullopt with the reason when the text cannot be edited safely.
// A changed document needs no look for aliases: no value written in it starts one.
enum class Aliases { Look, Skip };
std::optional<YAML::Node> readTree(const std::string& bytes, const std::string& name, std::string& error,
                                   Aliases aliases = Aliases::Look) {
  if (bytes.size() > kMaxSourceBytes) {
    error = tooLarge(name);
    return std::nullopt;
  }
  try {
    if (aliases == Aliases::Look) {
      std::istringstream in(bytes);
      YAML::Parser parser(in);
      AliasFinder finder;
      while (parser.HandleNextDocument(finder)) {
      }
      if (finder.alias) {
        error = name + ":" + std::to_string(finder.alias->line + 1) +
                ": aliases (*name) are not supported in book sources; write the value out";
        return std::nullopt;
      }
    }
    return YAML::Load(bytes);
  } catch (const YAML::Exception& e) {
    error = name + ":" + std::to_string(e.mark.line + 1) + ": not valid YAML: " + e.msg;
    return std::nullopt;
  }
}

std::optional<YAML::Node> child(const YAML::Node& node, const PathStep& step) {
  if (const auto* key = std::get_if<std::string>(&step)) {
    if (!node.IsMap()) return std::nullopt;
    for (const auto& kv : node) {
      if (kv.first.IsScalar() && kv.first.Scalar() == *key) return kv.second;
    }
    return std::nullopt;
  }
  const std::size_t index = std::get<std::size_t>(step);
  if (!node.IsSequence() || index >= node.size()) return std::nullopt;
  return node[index];
}

// Steps down a path. A YAML::Node assigned to another writes through to the tree it
// refers to, so the walk rebinds with `emplace` and never assigns.
std::optional<YAML::Node> nodeAt(const YAML::Node& root, const ValuePath& path, std::size_t steps) {
  std::optional<YAML::Node> node(root);
  for (std::size_t i = 0; i < steps && node; ++i) {
    auto next = child(*node, path[i]);
    if (!next) return std::nullopt;
    node.emplace(*next);
  }
  return node;
}

// The two trees hold the same values, except the one at `skip` (which either may lack).
bool sameExcept(const YAML::Node& a, const YAML::Node& b, const ValuePath& skip, std::size_t depth, bool onPath) {
  if (a.Type() != b.Type()) return false;
  const bool skipHere = onPath && depth + 1 == skip.size();
  if (a.IsScalar()) return a.Scalar() == b.Scalar();
  if (a.IsSequence()) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      const bool next = onPath && depth < skip.size() && skip[depth] == PathStep(i);
      if (skipHere && next) continue;
      if (!sameExcept(a[i], b[i], skip, depth + 1, next)) return false;
    }
    return true;
  }
  if (!a.IsMap()) return true;
  auto kept = [&](const YAML::Node& map) {
    std::vector<std::pair<YAML::Node, YAML::Node>> pairs;
    for (const auto& kv : map) {
      const bool next = onPath && depth < skip.size() && kv.first.IsScalar() && skip[depth] == PathStep(kv.first.Scalar());
      if (!(skipHere && next)) pairs.emplace_back(kv.first, kv.second);
    }
    return pairs;
  };
  const auto pa = kept(a), pb = kept(b);
  if (pa.size() != pb.size()) return false;
  for (std::size_t i = 0; i < pa.size(); ++i) {
    const bool next = onPath && depth < skip.size() && pa[i].first.IsScalar() && skip[depth] == PathStep(pa[i].first.Scalar());
    if (!sameExcept(pa[i].first, pb[i].first, skip, depth + 1, false) ||
        !sameExcept(pa[i].second, pb[i].second, skip, depth + 1, next)) {
      return false;
    }
  }
  return true;
}

SourceDocument::Wanted scalarIs(const std::string& value) {
  return [&value](const YAML::Node& node) { return node.IsScalar() && node.Scalar() == value; };
}

// The styles to try for a new value, the author's own first.
std::vector<ScalarStyle> stylesFor(ScalarStyle own) {
  std::vector<ScalarStyle> styles{own};
  if (own == ScalarStyle::Plain) styles.push_back(ScalarStyle::SingleQuoted);
  if (own != ScalarStyle::DoubleQuoted) styles.push_back(ScalarStyle::DoubleQuoted);
  return styles;
}

}  // namespace

SourceDocument::SourceDocument(std::string bytes, std::string name, YAML::Node root, std::size_t offset)
    : bytes_(std::move(bytes)), savedBytes_(bytes_), name_(std::move(name)), root_(std::move(root)), markOffset_(offset) {}

SourceDocument& SourceDocument::operator=(const SourceDocument& other) {
  bytes_ = other.bytes_;
  savedBytes_ = other.savedBytes_;
  name_ = other.name_;
  root_.reset(other.root_);
  markOffset_ = other.markOffset_;
  return *this;
}

void SourceDocument::takeContent(const SourceDocument& other) {
  bytes_ = other.bytes_;
  root_.reset(other.root_);
  markOffset_ = other.markOffset_;
}

std::optional<SourceDocument> SourceDocument::FromBytes(std::string bytes, const std::string& name, std::string& error) {
  auto root = readTree(bytes, name, error);
  if (!root) return std::nullopt;
  const std::size_t offset = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  return SourceDocument(std::move(bytes), name, std::move(*root), offset);
}

std::optional<SourceDocument> SourceDocument::Open(const std::filesystem::path& file, std::string& error) {
  std::error_code code;
  const auto size = std::filesystem::file_size(file, code);
  if (code) {
    error = file.string() + ": cannot read the file";
    return std::nullopt;
  }
  if (size > kMaxSourceBytes) {
    error = tooLarge(file.string());
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (!in) {
    error = file.string() + ": cannot read the file";
    return std::nullopt;
  }
  return FromBytes(buffer.str(), file.string(), error);
}

std::optional<std::string> SourceDocument::valueAt(const ValuePath& path) const {
  auto node = nodeAt(root_, path, path.size());
  if (!node || !node->IsScalar()) return std::nullopt;
  return node->Scalar();
}

std::size_t SourceDocument::sizeAt(const ValuePath& path) const {
  auto node = nodeAt(root_, path, path.size());
  return node && (node->IsSequence() || node->IsMap()) ? node->size() : 0;
}

int SourceDocument::lineAt(const ValuePath& path) const {
  auto node = nodeAt(root_, path, path.size());
  return node ? node->Mark().line + 1 : 0;
}

bool SourceDocument::inFlow(const ValuePath& path) const {
  for (std::size_t steps = 0; steps < path.size(); ++steps) {
    auto node = nodeAt(root_, path, steps);
    if (!node) return false;
    if ((node->IsMap() || node->IsSequence()) && node->Style() == YAML::EmitterStyle::Flow) return true;
  }
  return false;
}

bool SourceDocument::setValue(const ValuePath& path, const std::string& value, std::string& error) {
  if (path.empty()) {
    error = name_ + ": no value named";
    return false;
  }
  if (auto node = nodeAt(root_, path, path.size())) {
    if (!node->IsScalar() && !node->IsNull()) {
      error = name_ + ":" + std::to_string(node->Mark().line + 1) + ": this value is a list or a map, not a single value";
      return false;
    }
    return replaceScalar(path, *node, value, error);
  }
  auto parent = nodeAt(root_, path, path.size() - 1);
  if (!parent || !parent->IsMap() || !std::holds_alternative<std::string>(path.back())) {
    error = name_ + ": no place for this value";
    return false;
  }
  // A new key is written plain when it can be, as a block when it holds lines, else quoted.
  const int indent = parent->size() == 0 ? 2 : parent->begin()->first.Mark().column + 2;
  std::vector<std::string> forms;
  for (ScalarStyle style : {ScalarStyle::Plain, ScalarStyle::Literal, ScalarStyle::DoubleQuoted}) {
    if (style == ScalarStyle::Literal && value.find('\n') == std::string::npos) continue;
    if (auto written = WriteScalar(value, style, indent, inFlow(path))) forms.push_back(*written);
  }
  return insertKey(path, *parent, forms, scalarIs(value), error);
}

bool SourceDocument::replaceScalar(const ValuePath& path, const YAML::Node& node, const std::string& value,
                                   std::string& error) {
  const bool flow = inFlow(path);
  const auto span = FindScalarSpan(bytes_, static_cast<std::size_t>(node.Mark().pos) + markOffset_, flow);
  const int line = node.Mark().line + 1;
  if (!span) {
    error = name_ + ":" + std::to_string(line) + ": this value is written in a form that cannot be changed in place";
    return false;
  }
  for (ScalarStyle style : stylesFor(span->style)) {
    auto written = WriteScalar(value, style, span->blockIndent, flow);
    if (!written) continue;
    std::string candidate = bytes_;
    candidate.replace(span->begin, span->end - span->begin, *written);
    if (accept(std::move(candidate), path, scalarIs(value))) return true;
  }
  error = name_ + ":" + std::to_string(line) + ": the new value cannot be written here without changing other values";
  return false;
}

bool SourceDocument::setList(const ValuePath& path, const std::vector<std::string>& items, std::string& error) {
  std::string written = "[";
  for (const std::string& item : items) {
    if (written.size() > 1) written += ", ";
    written += WriteScalar(item, ScalarStyle::Plain, 0, true).value_or(WriteScalar(item, ScalarStyle::DoubleQuoted, 0, true).value_or(""));
  }
  written += "]";
  const auto wanted = [&items](const YAML::Node& node) {
    if (!node.IsSequence() || node.size() != items.size()) return false;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (!node[i].IsScalar() || node[i].Scalar() != items[i]) return false;
    }
    return true;
  };
  if (path.empty()) {
    error = name_ + ": no value named";
    return false;
  }
  if (auto node = nodeAt(root_, path, path.size())) {
    const int line = node->Mark().line + 1;
    const auto end = node->IsSequence() && node->Style() == YAML::EmitterStyle::Flow
                         ? FindFlowEnd(bytes_, static_cast<std::size_t>(node->Mark().pos) + markOffset_)
                         : std::nullopt;
    if (!end) {
      error = name_ + ":" + std::to_string(line) + ": only a list written in [ ] can be changed here";
      return false;
    }
    std::string candidate = bytes_;
    const std::size_t begin = static_cast<std::size_t>(node->Mark().pos) + markOffset_;
    candidate.replace(begin, *end - begin, written);
    if (accept(std::move(candidate), path, wanted)) return true;
    error = name_ + ":" + std::to_string(line) + ": the new list cannot be written here without changing other values";
    return false;
  }
  auto parent = nodeAt(root_, path, path.size() - 1);
  if (!parent || !parent->IsMap() || !std::holds_alternative<std::string>(path.back())) {
    error = name_ + ": no place for this list";
    return false;
  }
  return insertKey(path, *parent, {written}, wanted, error);
}

bool SourceDocument::insertKey(const ValuePath& path, const YAML::Node& map, const std::vector<std::string>& forms,
                               const Wanted& wanted, std::string& error) {
  const std::string& key = std::get<std::string>(path.back());
  const bool flow = map.Style() == YAML::EmitterStyle::Flow;
  const std::size_t mapStart = static_cast<std::size_t>(map.Mark().pos) + markOffset_;
  // Beside the first key when its value is a scalar on the key's own line; otherwise first.
  std::optional<ScalarSpan> firstValue;
  if (map.size() != 0) {
    const YAML::Node first = map.begin()->second;
    if (first.IsScalar()) {
      firstValue = FindScalarSpan(bytes_, static_cast<std::size_t>(first.Mark().pos) + markOffset_, inFlow(path));
    }
  }
  const std::size_t column = map.size() == 0 ? 0 : static_cast<std::size_t>(map.begin()->first.Mark().column);
  const bool besideFirst = firstValue && bytes_.find('\n', mapStart) >= firstValue->end;
  for (const std::string& form : forms) {
    const std::string entry = key + ": " + form;
    std::string candidate = bytes_;
    if (flow && besideFirst) {
      candidate.insert(firstValue->end, ", " + entry);
    } else if (flow) {
      candidate.insert(mapStart + 1, map.size() == 0 ? entry : entry + ", ");
    } else if (besideFirst) {
      std::size_t end = bytes_.find('\n', firstValue->end);
      if (end == std::string::npos) end = bytes_.size();
      if (end > 0 && bytes_[end - 1] == '\r') --end;
      candidate.insert(end, "\n" + std::string(column, ' ') + entry);
    } else {
      candidate.insert(mapStart, entry + "\n" + std::string(column, ' '));
    }
    if (accept(std::move(candidate), path, wanted)) return true;
  }
  error = name_ + ":" + std::to_string(map.Mark().line + 1) + ": the key '" + key + "' cannot be added here";
  return false;
}

bool SourceDocument::accept(std::string candidate, const ValuePath& path, const Wanted& wanted) {
  std::string ignored;
  auto root = readTree(candidate, name_, ignored, Aliases::Skip);
  if (!root) return false;
  auto node = nodeAt(*root, path, path.size());
  if (!node || !wanted(*node)) return false;
  if (!sameExcept(root_, *root, path, 0, true)) return false;
  bytes_ = std::move(candidate);
  root_.reset(*root);
  return true;
}

bool SourceDocument::save(const std::filesystem::path& file, std::string& error) {
  const std::filesystem::path temporary = file.string() + ".saving";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << bytes_;
    out.flush();
    if (!out) {
      error = file.string() + ": the file could not be written";
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code code;
  // The new file keeps the old one's permissions.
  const auto old = std::filesystem::status(file, code);
  if (!code && std::filesystem::exists(old)) std::filesystem::permissions(temporary, old.permissions(), code);
  std::filesystem::rename(temporary, file, code);
  if (code) {
    error = file.string() + ": the file could not be replaced: " + code.message();
    std::filesystem::remove(temporary, code);
    return false;
  }
  savedBytes_ = bytes_;
  return true;
}

}  // namespace zrx::book
