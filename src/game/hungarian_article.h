#pragma once
// The Hungarian definite article before a number written in digits: "az" when the number
// is read with a leading vowel (egy, öt, ötven, ötszáz, ezer, egymillió...), "a" otherwise.
#include <string>

namespace zrx {

std::string ArticleBefore(long long number);

}  // namespace zrx
