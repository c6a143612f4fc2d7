#include "error_log.h"

#include <array>
#include <vector>
#include <system_error>

#include "atomic_file.h"
#include "date_text.h"

namespace zrx {
namespace {

struct CodeRange {
  int first;
  int last;
};

struct Category {
  const char* firstPart;
  const char* secondPart;
  std::vector<CodeRange> codes;
};


const std::array<Category, 8>& categories() {
  static const std::array<Category, 8> table = {{
      {": Hibás forrásfájlt ", "találtunk! Kérjük, telepítse újra a programot!",
       {{4, 7}, {16, 16}, {104, 107}, {124, 124}, {204, 204}, {211, 211}, {213, 213}, {220, 226},
        {301, 301}, {304, 305}, {312, 312}, {317, 318}, {321, 326}, {1001, 1013}, {1022, 1022},
        {1025, 1026}, {1035, 1035}}},
      {": Hibás csomagfájlt ", "találtunk! Kérjük, telepítse újra a programot!",
       {{3, 3}, {11, 11}, {13, 15}, {103, 103}, {111, 111}, {113, 117}, {120, 120}, {122, 123},
        {203, 203}, {210, 210}, {216, 216}, {219, 219}, {306, 309}, {1016, 1016}, {1020, 1020},
        {1024, 1024}, {1029, 1029}, {1037, 1038}}},
      {": Hiba történt a csomagfájl ",
       "adatainak beolvasása közben! Kérjük, telepítse újra a programot!",
       {{8, 9}, {108, 109}, {118, 118}, {205, 205}, {212, 212}, {217, 217}, {303, 303}, {316, 316},
        {1017, 1017}, {1021, 1021}, {1030, 1030}}},
      {": Egy létfontosságú fájl nem ",
       "található vagy nem olvasható! Kérjük, telepítse újra a programot!",
       {{1, 2}, {10, 10}, {12, 12}, {101, 102}, {110, 110}, {112, 112}, {119, 119}, {121, 121},
        {201, 202}, {208, 209}, {214, 215}, {302, 302}, {310, 311}, {313, 313}, {319, 320},
        {327, 327}, {1014, 1015}, {1018, 1019}, {1027, 1028}}},
      {": Hiba történt egy Font fájl ", "keresésekor!", {{17, 21}}},
      {": Hibás elérési út található a ", "programban! Kérjük, telepítse újra a programot",
       {{206, 207}}},
      {": Hibás azonosító található a ", "programban! Kérjük, telepítse újra a programot",
       {{218, 218}, {329, 329}, {1023, 1023}, {1036, 1036}}},
      {": Egy rendszerfájl módosítása nem ", " sikerült! Kérjük, telepítse újra a programot",
       {{314, 315}, {328, 328}}},
  }};
  return table;
}

const Category* categoryOf(int code) {
  for (const Category& category : categories()) {
    for (const CodeRange& range : category.codes) {
      if (code >= range.first && code <= range.last) return &category;
    }
  }
  return nullptr;
}

// The save files' codes: the player's own files, never part of an installation.
bool isPlayersOwnFile(int code) { return code >= 301 && code <= 329; }

constexpr std::string_view kReinstallAdvice = " Kérjük, telepítse újra a programot";

}  // namespace

std::string ErrorCodeText(int code) {
  std::string digits = std::to_string(code);
  if (code >= 0 && digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return digits;
}

std::string ErrorLine(int code) {
  const Category* category = categoryOf(code);
  if (category == nullptr) return {};
  return "HIBA " + ErrorCodeText(code) + category->firstPart + category->secondPart;
}

std::string ReportedErrorLine(int code, std::string_view file) {
  std::string line = ErrorLine(code);
  if (line.empty()) return line;
  if (isPlayersOwnFile(code)) {
    const std::size_t advice = line.find(kReinstallAdvice);
    if (advice != std::string::npos) line.erase(advice);
    if (line.back() != '!') line += '!';
  }
  if (!file.empty()) line += " Fájl: " + std::string(file);
  return line;
}

std::string ErrorLogFileName(const DateTime& moment) {
  return "HibaLog_(" + DatumAtalakitas(0, moment) + ").txt";
}

bool ReportResult(ErrorLog& errors, std::span<const ResultCode> table, int result, std::string_view file) {
  for (const ResultCode& row : table) {
    if (row.result == result) {
      errors.HibaHozzairas(row.code, file);
      return true;
    }
  }
  return false;
}

void ErrorLog::HibaHozzairas(int code, std::string_view file) {
  std::string line = ReportedErrorLine(code, file);
  if (!line.empty()) lines_.push_back(std::move(line));
  codes_.push_back(code);
  ++counter_;
}

int ErrorLog::closeIntervalMs() const {
  // Half the count, rounded half to even.
  int pairs = counter_ / 2;
  if (counter_ % 2 == 1 && pairs % 2 == 1) ++pairs;
  return 10000 + pairs * 4000;
}

bool ErrorLog::writeLogFile(const std::filesystem::path& programFolder, const DateTime& moment) const {
  const std::filesystem::path folder = programFolder / "Other";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::string text;
  for (const std::string& line : lines_) text += line + "\n";
  // Whole or not at all: a full disk leaves the earlier log of the day, never an empty one.
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  return ReplaceFileAtomically(folder / ErrorLogFileName(moment), std::span(bytes, text.size()));
}

}  // namespace zrx
