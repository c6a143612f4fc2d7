#include "input_folding.h"

#include <array>
#include <utility>

namespace zrx {
namespace {

// The accented letters of Hungarian in UTF-8, lower and upper case, with their plain letter.
constexpr std::array<std::pair<std::string_view, char>, 18> kAccented{{
    {"á", 'a'}, {"é", 'e'}, {"í", 'i'}, {"ó", 'o'}, {"ö", 'o'}, {"ő", 'o'}, {"ú", 'u'}, {"ü", 'u'}, {"ű", 'u'},
    {"Á", 'a'}, {"É", 'e'}, {"Í", 'i'}, {"Ó", 'o'}, {"Ö", 'o'}, {"Ő", 'o'}, {"Ú", 'u'}, {"Ü", 'u'}, {"Ű", 'u'},
}};

}  // namespace

std::string FoldForMatch(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const auto& [letter, plain] : kAccented) {
      if (text.substr(i, letter.size()) == letter) {
        out += plain;
        i += letter.size();
        replaced = true;
        break;
      }
    }
    if (replaced) continue;
    const char c = text[i++];
    out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return out;
}

}  // namespace zrx
