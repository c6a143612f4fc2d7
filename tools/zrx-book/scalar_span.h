#pragma once
// Where a scalar value lies in the YAML bytes the author wrote, and how a new value is
// written in a given style. Used to change one value without re-emitting the document.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zrx::book {

enum class ScalarStyle { Plain, SingleQuoted, DoubleQuoted, Literal, Folded };

struct ScalarSpan {
  std::size_t begin = 0;  // byte offset of the value's first character (quote or block indicator)
  std::size_t end = 0;    // one past its last byte; a block ends before the newline of its last line
  ScalarStyle style = ScalarStyle::Plain;
  int blockIndent = 0;    // Literal and Folded: the indentation of the content lines
};

// The span of the scalar that starts at `begin`; `inFlow` when it stands inside [ ] or { }.
// nullopt when the value does not start with a scalar this reader knows (an anchor or a tag).
std::optional<ScalarSpan> FindScalarSpan(std::string_view text, std::size_t begin, bool inFlow);

// One past the "]" or "}" that closes the flow collection opening at `begin`.
std::optional<std::size_t> FindFlowEnd(std::string_view text, std::size_t begin);

// `value` written as a scalar of `style`; nullopt when the style cannot hold it.
// `blockIndent` is the content indentation of a block; `inFlow` rules out characters
// that would end a plain value inside [ ] or { }.
std::optional<std::string> WriteScalar(const std::string& value, ScalarStyle style, int blockIndent, bool inFlow);

}  // namespace zrx::book
