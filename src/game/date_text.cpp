#include "date_text.h"

#include <array>

namespace zrx {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "Január", "Február", "Március",  "Április", "Május",    "Június",
    "Július", "Augusztus", "Szeptember", "Október", "November", "December"};
constexpr std::array<const char*, 12> kMonthAbbreviations = {
    "Jan", "Feb", "Mar", "Apr", "Maj", "Jun", "Jul", "Aug", "Szep", "Okt", "Nov", "Dec"};

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// A month outside 1..12 cannot come from a clock; clamp rather than read past the table.
std::size_t monthIndex(int month) { return static_cast<std::size_t>(month < 1 ? 0 : month > 12 ? 11 : month - 1); }

}  // namespace

std::string DatumAtalakitas(int mode, const DateTime& d) {
  const std::size_t m = monthIndex(d.month);
  if (mode == 1) {
    return std::to_string(d.year) + ". " + kMonthNames[m] + " " + twoDigits(d.day) + ". " +
           twoDigits(d.hour) + ":" + twoDigits(d.minute) + ":" + twoDigits(d.second);
  }
  return std::to_string(d.year) + "-" + kMonthAbbreviations[m] + "-" + twoDigits(d.day) + "#" +
         twoDigits(d.hour) + "-" + twoDigits(d.minute) + "-" + twoDigits(d.second);
}

}  // namespace zrx
