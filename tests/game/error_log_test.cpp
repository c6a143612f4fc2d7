#include "error_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "date_text.h"

namespace zrx {
namespace {

// A log line: its number part and its category's text.
std::string lineOf(const char* number, const std::string& category) { return number + category; }

const std::string kSource = ": Hibás forrásfájlt találtunk! Kérjük, telepítse újra a programot!";
const std::string kPackage = ": Hibás csomagfájlt találtunk! Kérjük, telepítse újra a programot!";
const std::string kPackageData =
    ": Hiba történt a csomagfájl adatainak beolvasása közben! Kérjük, telepítse újra a programot!";
const std::string kVital =
    ": Egy létfontosságú fájl nem található vagy nem olvasható! Kérjük, telepítse újra a programot!";
const std::string kFont = ": Hiba történt egy Font fájl keresésekor!";
const std::string kPath = ": Hibás elérési út található a programban! Kérjük, telepítse újra a programot";
const std::string kIdentifier = ": Hibás azonosító található a programban! Kérjük, telepítse újra a programot";
const std::string kSystem = ": Egy rendszerfájl módosítása nem  sikerült! Kérjük, telepítse újra a programot";

TEST(ErrorLog, LineTextsByCategory) {
  // The expected line is its number part and its category's text.
  struct Case {
    int code;
    const char* number;
    std::string category;
  };
  const Case cases[] = {
      {7, "HIBA 0007", kSource},         {4, "HIBA 0004", kSource},
      {16, "HIBA 0016", kSource},        {1013, "HIBA 1013", kSource},
      {1035, "HIBA 1035", kSource},      {3, "HIBA 0003", kPackage},
      {117, "HIBA 0117", kPackage},      {1038, "HIBA 1038", kPackage},
      {8, "HIBA 0008", kPackageData},    {1030, "HIBA 1030", kPackageData},
      {1, "HIBA 0001", kVital},          {327, "HIBA 0327", kVital},
      {1028, "HIBA 1028", kVital},       {17, "HIBA 0017", kFont},
      {21, "HIBA 0021", kFont},          {206, "HIBA 0206", kPath},
      {1036, "HIBA 1036", kIdentifier},  {218, "HIBA 0218", kIdentifier},
      {314, "HIBA 0314", kSystem},       {328, "HIBA 0328", kSystem},
      {50, "", ""}, {22, "", ""}, {100, "", ""}, {125, "", ""}, {200, "", ""}, {1031, "", ""}, {1034, "", ""}, {0, "", ""}, {-5, "", ""}, {5000, "", ""},
  };
  for (const Case& c : cases) {
    std::string expected = c.number;
    expected += c.category;
    EXPECT_EQ(expected, ErrorLine(c.code)) << "code " << c.code;
  }
}

TEST(ErrorLog, CountsEveryReportAndAddsLinesForKnownCodes) {
  ErrorLog log;
  EXPECT_FALSE(log.FatalErrorFlag());
  log.HibaHozzairas(7);
  log.HibaHozzairas(50);
  log.HibaHozzairas(1036);
  EXPECT_TRUE(log.FatalErrorFlag());
  EXPECT_EQ(3, log.counter());
  ASSERT_EQ(2u, log.lines().size());
  EXPECT_EQ(lineOf("HIBA 0007", kSource), log.lines()[0]);
  EXPECT_EQ(lineOf("HIBA 1036", kIdentifier), log.lines()[1]);
}

TEST(ErrorLog, ReportedLinesNameTheFileAndGiveNoReinstallAdviceForSaves) {
  struct Case {
    int code;
    const char* file;
    std::string expected;
  };
  const Case cases[] = {
      {7, "", std::string("HIBA 0007") + kSource},
      {1018, "Source/Data1.zrx", std::string("HIBA 1018") + kVital + " Fájl: Source/Data1.zrx"},
      {304, "Save/Save.zrx", "HIBA 0304: Hibás forrásfájlt találtunk! Fájl: Save/Save.zrx"},
      {327, "", "HIBA 0327: Egy létfontosságú fájl nem található vagy nem olvasható!"},
      {314, "Save", "HIBA 0314: Egy rendszerfájl módosítása nem  sikerült! Fájl: Save"},
      {329, "Save/QQQQQQQQQQ.zrm", "HIBA 0329: Hibás azonosító található a programban! Fájl: Save/QQQQQQQQQQ.zrm"},
      {50, "Save/Save.zrx", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, ReportedErrorLine(c.code, c.file)) << "code " << c.code;
    ErrorLog log;
    log.HibaHozzairas(c.code, c.file);
    EXPECT_EQ(std::vector<int>{c.code}, log.codes());
    EXPECT_EQ(c.expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.expected}, log.lines());
  }
}

TEST(ErrorLog, CloseIntervalGrowsWithEveryTwoErrors) {
  // errors -> milliseconds; half the count rounds to even.
  const std::pair<int, int> cases[] = {{0, 10000}, {1, 10000}, {2, 14000}, {3, 18000},
                                       {4, 18000}, {5, 18000}, {6, 22000}, {7, 26000}};
  for (const auto& [errors, ms] : cases) {
    ErrorLog log;
    for (int i = 0; i < errors; ++i) log.HibaHozzairas(50);
    EXPECT_EQ(ms, log.closeIntervalMs()) << errors << " errors";
  }
}

TEST(ErrorLog, ReportResultUsesTheCallersTable) {
  const ResultCode table[] = {{-1, 1020}, {-11, 1018}};
  ErrorLog log;
  EXPECT_TRUE(ReportResult(log, table, -11));
  EXPECT_FALSE(ReportResult(log, table, 0));
  EXPECT_FALSE(ReportResult(log, table, -7));
  EXPECT_EQ(1, log.counter());
  EXPECT_EQ(0u, log.lines().at(0).find("HIBA 1018"));
}

TEST(DateText, LongAndShortForms) {
  const DateTime moment{2024, 3, 5, 7, 8, 9, 0};
  EXPECT_EQ("2024. Március 05. 07:08:09", DatumAtalakitas(1, moment));
  EXPECT_EQ("2024-Mar-05#07-08-09", DatumAtalakitas(0, moment));
  const DateTime late{2023, 9, 30, 23, 59, 58, 0};
  EXPECT_EQ("2023. Szeptember 30. 23:59:58", DatumAtalakitas(1, late));
  EXPECT_EQ("2023-Szep-30#23-59-58", DatumAtalakitas(0, late));
  const char* const abbreviations[] = {"Jan", "Feb", "Mar", "Apr", "Maj", "Jun",
                                       "Jul", "Aug", "Szep", "Okt", "Nov", "Dec"};
  for (int month = 1; month <= 12; ++month) {
    const std::string text = DatumAtalakitas(0, DateTime{2020, month, 1, 0, 0, 0, 0});
    EXPECT_EQ("2020-" + std::string(abbreviations[month - 1]) + "-01#00-00-00", text) << month;
  }
}

class ErrorLogFile : public ::testing::Test {
 protected:
  ErrorLogFile()
      : folder_(std::filesystem::temp_directory_path() /
                ("zrx-errorlog-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(folder_);
  }
  ~ErrorLogFile() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(ErrorLogFile, WritesTheLinesInUtf8UnderOther) {
  ErrorLog log;
  log.HibaHozzairas(7);
  log.HibaHozzairas(99);
  log.HibaHozzairas(201, "Source/Data0.zrx");
  const DateTime moment{2024, 3, 5, 7, 8, 9, 0};
  ASSERT_TRUE(log.writeLogFile(folder_, moment));

  const auto file = folder_ / "Other" / "HibaLog_(2024-Mar-05#07-08-09).txt";
  ASSERT_TRUE(std::filesystem::exists(file));
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const std::string expected =
      lineOf("HIBA 0007", kSource) + "\n" + lineOf("HIBA 0201", kVital) + " Fájl: Source/Data0.zrx\n";
  EXPECT_EQ(expected, bytes.str()) << "UTF-8, one line per reported line";
}

TEST_F(ErrorLogFile, UnwritableFolderIsReportedAsFalse) {
  ErrorLog log;
  log.HibaHozzairas(7);
  // "Other" exists as a file: neither the folder nor the log can be made.
  std::ofstream(folder_ / "Other") << "x";
  EXPECT_FALSE(log.writeLogFile(folder_, DateTime{}));
}

}  // namespace
}  // namespace zrx
