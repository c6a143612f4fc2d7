#include "scalar_span.h"

#include <algorithm>

namespace zrx::book {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::size_t lineEnd(std::string_view text, std::size_t from) {
  const std::size_t nl = text.find('\n', from);
  return nl == std::string_view::npos ? text.size() : nl;
}

std::optional<ScalarSpan> quotedSpan(std::string_view text, std::size_t begin) {
  const char quote = text[begin];
  for (std::size_t i = begin + 1; i < text.size(); ++i) {
    if (quote == '"' && text[i] == '\\') {
      ++i;
    } else if (text[i] == quote) {
      if (quote == '\'' && i + 1 < text.size() && text[i + 1] == '\'') {
        ++i;
        continue;
      }
      return ScalarSpan{begin, i + 1, quote == '"' ? ScalarStyle::DoubleQuoted : ScalarStyle::SingleQuoted, 0};
    }
  }
  return std::nullopt;
}

// A block runs over the lines indented at least as deep as its first non-blank line;
// blank lines inside it belong to it, blank lines after its last content line do not.
std::optional<ScalarSpan> blockSpan(std::string_view text, std::size_t begin) {
  ScalarSpan span{begin, lineEnd(text, begin), text[begin] == '|' ? ScalarStyle::Literal : ScalarStyle::Folded, 0};
  const std::string_view header = text.substr(begin, span.end - begin);
  if (std::any_of(header.begin(), header.end(), [](char c) { return c >= '1' && c <= '9'; })) {
    return std::nullopt;  // an explicit indentation: rare enough to leave alone
  }
  while (span.end != 0 && isBlank(text[span.end - 1])) --span.end;
  for (std::size_t line = lineEnd(text, begin) + 1; line < text.size();) {
    const std::size_t end = lineEnd(text, line);
    std::size_t indent = 0;
    while (line + indent < end && text[line + indent] == ' ') ++indent;
    const bool blank = std::all_of(text.begin() + line + indent, text.begin() + end, isBlank);
    if (!blank) {
      if (span.blockIndent == 0) span.blockIndent = static_cast<int>(indent);
      if (static_cast<int>(indent) < span.blockIndent || indent == 0) break;
      span.end = end;
      while (isBlank(text[span.end - 1])) --span.end;
    }
    line = end + 1;
  }
  return span;
}

ScalarSpan plainSpan(std::string_view text, std::size_t begin, bool inFlow) {
  std::size_t i = begin;
  for (; i < text.size() && text[i] != '\n'; ++i) {
    const char c = text[i];
    const char next = i + 1 < text.size() ? text[i + 1] : '\n';
    if (inFlow && (c == ',' || c == ']' || c == '}')) break;
    if (c == ':' && (next == ' ' || next == '\n' || next == '\r' || (inFlow && (next == ',' || next == ']' || next == '}')))) break;
    if (c == '#' && i > begin && isBlank(text[i - 1])) break;
  }
  while (i > begin && isBlank(text[i - 1])) --i;
  return ScalarSpan{begin, i, ScalarStyle::Plain, 0};
}

bool hasControl(const std::string& value, bool allowLineBreaks) {
  return std::any_of(value.begin(), value.end(), [&](char c) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\n' || c == '\t') return !allowLineBreaks;
    return u < 0x20 || u == 0x7f;
  });
}

// Unicode line and paragraph separators and NEL break lines in YAML 1.1 readers.
bool hasUnicodeBreak(const std::string& value) {
  return value.find("\xC2\x85") != std::string::npos || value.find("\xE2\x80\xA8") != std::string::npos ||
         value.find("\xE2\x80\xA9") != std::string::npos || value.find("\xEF\xBB\xBF") != std::string::npos;
}

std::optional<std::string> writePlain(const std::string& value, bool inFlow) {
  static constexpr std::string_view kIndicators = "-?:,[]{}#&*!|>'\"%@`";
  if (value.empty() || hasControl(value, false) || hasUnicodeBreak(value)) return std::nullopt;
  if (kIndicators.find(value.front()) != std::string_view::npos || value.front() == ' ' || value.back() == ' ' ||
      value.back() == ':') {
    return std::nullopt;
  }
  if (value.find(": ") != std::string::npos || value.find(" #") != std::string::npos) return std::nullopt;
  if (inFlow && value.find_first_of(",[]{}") != std::string::npos) return std::nullopt;
  if (value == "~" || value == "null" || value == "Null" || value == "NULL") return std::nullopt;
  return value;
}

std::optional<std::string> writeSingleQuoted(const std::string& value) {
  if (hasControl(value, false) || hasUnicodeBreak(value)) return std::nullopt;
  std::string out = "'";
  for (char c : value) out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

std::string writeDoubleQuoted(const std::string& value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto u = static_cast<unsigned char>(value[i]);
    const std::string_view rest = std::string_view(value).substr(i);
    if (value[i] == '"' || value[i] == '\\') {
      out += '\\';
      out += value[i];
    } else if (value[i] == '\n') {
      out += "\\n";
    } else if (value[i] == '\t') {
      out += "\\t";
    } else if (u < 0x20 || u == 0x7f) {
      out += "\\x";
      out += kHex[u >> 4];
      out += kHex[u & 0xf];
    } else if (rest.starts_with("\xC2\x85")) {
      out += "\\N";
      i += 1;
    } else if (rest.starts_with("\xE2\x80\xA8") || rest.starts_with("\xE2\x80\xA9")) {
      out += rest[2] == '\xA8' ? "\\L" : "\\P";
      i += 2;
    } else if (rest.starts_with("\xEF\xBB\xBF")) {
      out += "\\uFEFF";
      i += 2;
    } else {
      out += value[i];
    }
  }
  return out + "\"";
}

// A literal block; its chomping keeps exactly the value's closing line breaks.
std::optional<std::string> writeLiteral(const std::string& value, int indent) {
  if (indent <= 0 || hasControl(value, true) || hasUnicodeBreak(value)) return std::nullopt;
  std::string body = value;
  std::size_t breaks = 0;
  while (!body.empty() && body.back() == '\n') {
    body.pop_back();
    ++breaks;
  }
  const std::size_t firstText = body.find_first_not_of('\n');
  if (firstText == std::string::npos || body[firstText] == ' ' || body[firstText] == '\t') return std::nullopt;
  std::string out = breaks == 0 ? "|-" : breaks == 1 ? "|" : "|+";
  std::size_t start = 0;
  while (start <= body.size()) {
    const std::size_t end = std::min(body.find('\n', start), body.size());
    out += '\n';
    if (end > start) out += std::string(static_cast<std::size_t>(indent), ' ') + body.substr(start, end - start);
    start = end + 1;
  }
  for (std::size_t i = 1; i < breaks; ++i) out += '\n';
  return out;
}

}  // namespace

std::optional<ScalarSpan> FindScalarSpan(std::string_view text, std::size_t begin, bool inFlow) {
  if (begin >= text.size()) return std::nullopt;
  switch (text[begin]) {
    case '"':
    case '\'': return quotedSpan(text, begin);
    case '|':
    case '>': return inFlow ? std::nullopt : blockSpan(text, begin);
    case '&':
    case '!':
    case '*': return std::nullopt;
    default: return plainSpan(text, begin, inFlow);
  }
}

namespace {

// A quote starts a quoted value only where a value may start, not inside a plain one ("it's").
bool startsValue(std::string_view text, std::size_t begin, std::size_t at) {
  while (at > begin && isBlank(text[at - 1])) --at;
  return at > begin && std::string_view("[{,:\n").find(text[at - 1]) != std::string_view::npos;
}

}  // namespace

std::optional<std::size_t> FindFlowEnd(std::string_view text, std::size_t begin) {
  int depth = 0;
  for (std::size_t i = begin; i < text.size(); ++i) {
    const char c = text[i];
    if ((c == '"' || c == '\'') && startsValue(text, begin, i)) {
      auto quoted = quotedSpan(text, i);
      if (!quoted) return std::nullopt;
      i = quoted->end - 1;
    } else if (c == '#' && i > begin && isBlank(text[i - 1])) {
      i = lineEnd(text, i) - 1;
    } else if (c == '[' || c == '{') {
      ++depth;
    } else if ((c == ']' || c == '}') && --depth == 0) {
      return i + 1;
    }
  }
  return std::nullopt;
}

std::optional<std::string> WriteScalar(const std::string& value, ScalarStyle style, int blockIndent, bool inFlow) {
  switch (style) {
    case ScalarStyle::Plain: return writePlain(value, inFlow);
    case ScalarStyle::SingleQuoted: return writeSingleQuoted(value);
    case ScalarStyle::DoubleQuoted: return writeDoubleQuoted(value);
    case ScalarStyle::Literal:
    case ScalarStyle::Folded: return inFlow ? std::nullopt : writeLiteral(value, blockIndent);
  }
  return std::nullopt;
}

}  // namespace zrx::book
