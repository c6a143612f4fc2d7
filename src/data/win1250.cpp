#include "win1250.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace zrx {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr const char* kCodePageName = "WINDOWS-1250";

// The code page as a table, built once; afterwards conversion is a lookup. ASCII is
// itself in every case, so only the upper half needs the sorted reverse table.
struct CodePage {
  std::array<char32_t, 256> toUnicode{};
  std::array<std::pair<char32_t, unsigned char>, 128> fromUnicode{};
  bool complete = false;

  void set(int byte, char32_t cp) {
    toUnicode[static_cast<std::size_t>(byte)] = cp;
    if (byte >= 0x80) fromUnicode[static_cast<std::size_t>(byte - 0x80)] = {cp, static_cast<unsigned char>(byte)};
  }

  // The byte of a code point; nullopt when the code page cannot hold it.
  std::optional<unsigned char> byteOf(char32_t cp) const {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    const auto it = std::lower_bound(fromUnicode.begin(), fromUnicode.end(), std::pair{cp, static_cast<unsigned char>(0)});
    if (it == fromUnicode.end() || it->first != cp) return std::nullopt;
    return it->second;
  }
};

// One byte through iconv; nullopt when the code page leaves it undefined.
std::optional<char32_t> convertByte(iconv_t cd, int byte) {
  char in = static_cast<char>(byte);
  std::array<unsigned char, 4> out{};
  char* inPtr = &in;
  char* outPtr = reinterpret_cast<char*>(out.data());
  std::size_t inLeft = 1, outLeft = out.size();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
  return out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
}

// Without the converter only ASCII is known; the rest reads as U+FFFD and is never written.
CodePage buildCodePage(const char* charset) {
  CodePage page;
  page.toUnicode.fill(kReplacement);
  for (int b = 0; b < 0x80; ++b) page.set(b, static_cast<char32_t>(b));
  iconv_t cd = iconv_open("UTF-32LE", charset);
  if (cd == reinterpret_cast<iconv_t>(-1)) return page;
  for (int b = 0x80; b < 256; ++b) {
    // The bytes the code page leaves undefined stand for the C1 control of the same
    // number, so that they come back as the same byte when the file is written again.
    page.set(b, convertByte(cd, b).value_or(static_cast<char32_t>(b)));
  }
  iconv_close(cd);
  std::sort(page.fromUnicode.begin(), page.fromUnicode.end());
  page.complete = true;
  return page;
}

const CodePage& codePage() {
  static const CodePage table = buildCodePage(kCodePageName);
  return table;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes the code point starting at `pos` and advances `pos`; nullopt on malformed UTF-8.
std::optional<char32_t> nextCodePoint(std::string_view s, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) { cp = lead; }
  else if ((lead & 0xE0) == 0xC0) { cp = lead & 0x1F; extra = 1; }
  else if ((lead & 0xF0) == 0xE0) { cp = lead & 0x0F; extra = 2; }
  else if ((lead & 0xF8) == 0xF0) { cp = lead & 0x07; extra = 3; }
  else return std::nullopt;
  ++pos;
  for (int i = 0; i < extra; ++i, ++pos) {
    if (pos >= s.size()) return std::nullopt;
    const auto c = static_cast<unsigned char>(s[pos]);
    if ((c & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (c & 0x3F);
  }
  return cp;
}

}  // namespace

std::string Win1250ToUtf8(std::string_view bytes) {
  const auto& table = codePage().toUnicode;
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) appendUtf8(out, table[static_cast<unsigned char>(c)]);
  return out;
}

std::optional<std::string> Utf8ToWin1250(std::string_view utf8) {
  const CodePage& page = codePage();
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const auto cp = nextCodePoint(utf8, pos);
    if (!cp) return std::nullopt;
    const auto byte = page.byteOf(*cp);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

std::string Utf8ToWin1250Lossy(std::string_view utf8) {
  const CodePage& page = codePage();
  std::string out;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const auto cp = nextCodePoint(utf8, pos);
    if (!cp) {
      ++pos;
      out += '?';
      continue;
    }
    out += static_cast<char>(page.byteOf(*cp).value_or('?'));
  }
  return out;
}

std::size_t Utf8Length(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string Utf8Cut(std::string_view utf8, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
      if (chars == maxChars) return std::string(utf8.substr(0, i));
      ++chars;
    }
  }
  return std::string(utf8);
}

bool FitsWin1250(std::string_view utf8) {
  const CodePage& page = codePage();
  for (std::size_t pos = 0; pos < utf8.size();) {
    const auto cp = nextCodePoint(utf8, pos);
    if (!cp || !page.byteOf(*cp)) return false;
  }
  return true;
}

bool CodePageAvailable() { return codePage().complete; }

bool CodePageLoads(const char* charset) { return buildCodePage(charset).complete; }

}  // namespace zrx
