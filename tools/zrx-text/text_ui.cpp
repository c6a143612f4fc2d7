#include "text_ui.h"

#include <charconv>

#include "dice.h"
#include "error_log.h"
#include "input_folding.h"
#include "win1250.h"

namespace zrx {

std::optional<bool> ParseYesNo(const std::string& text) {
  const std::string word = FoldForMatch(Trim(text));
  for (const char* yes : {"igen", "i", "yes", "y"}) {
    if (word == yes) return true;
  }
  for (const char* no : {"nem", "n", "no"}) {
    if (word == no) return false;
  }
  return std::nullopt;
}

TextUi::TextUi(LineInput& input, std::ostream& out, SessionStatus& status, std::filesystem::path programFolder,
               const Clock& clock)
    : input_(input), out_(out), status_(status), programFolder_(std::move(programFolder)), clock_(clock) {}

void TextUi::printLines(const std::string& head, const std::vector<std::string>& lines) {
  if (quiet_) {
    std::string joined;
    for (const std::string& line : lines) {
      const std::string text = Trim(line);
      if (!text.empty()) joined += (joined.empty() ? "" : " ") + text;
    }
    out_ << head << joined << '\n';
    return;
  }
  const std::string indent(Utf8Length(head), ' ');
  bool first = true;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    out_ << (first ? head : indent) << line << '\n';
    first = false;
  }
  if (first) out_ << head << '\n';
}

bool TextUi::QuestionFormKerdes(const std::string& line1, const std::string& line2) {
  printLines("Kérdés: ", {line1, line2});
  for (;;) {
    const std::optional<std::string> line = input_.next("(igen/nem) ");
    if (!line) {
      // Nothing left to answer with: the cautious answer, and the script failed.
      out_ << "Nincs válasz: nem.\n";
      status_.failed = true;
      return false;
    }
    if (const std::optional<bool> answer = ParseYesNo(*line)) return *answer;
    if (input_.script()) {
      // Taking the following lines as answers would lose them: the script stops here.
      out_ << "A kérdésre igen vagy nem a válasz, nem \"" << Trim(*line) << "\": a szkript itt megáll.\n";
      status_.failed = true;
      throw InputEnded{};
    }
    out_ << "Válaszolj igennel vagy nemmel!\n";
  }
}

std::string TextUi::KockaBekeres(const std::string& purpose) {
  out_ << "Dobj egy kockával! (" << purpose << ")\n";
  const std::optional<std::string> line = input_.next("(1-6) ");
  if (!line) {
    out_ << "Nincs dobás: a játék itt megáll.\n";
    status_.failed = true;
    throw InputEnded{};
  }
  if (ParsePips(*line) == 0) {
    out_ << "Egy kocka 1 és 6 között mutat!\n";
    if (input_.script()) status_.failed = true;
  }
  return *line;
}

void TextUi::QuestionFormInfo(const std::string& line1, const std::string& line2) {
  printLines("Információ: ", {line1, line2});
}

void TextUi::CommentFormMegjelenites(const std::string& line1, const std::string& line2,
                                     const std::string& line3) {
  printLines("Megjegyzés: ", {line1, line2, line3});
}

std::optional<NewGameChoice> TextUi::NewGameScreen() {
  if (!newGame_) return std::nullopt;
  return newGame_();
}

std::optional<int> TextUi::askNumber(const std::string& prompt, int count) {
  for (;;) {
    const std::optional<std::string> line = input_.next(prompt);
    if (!line) {
      status_.failed = true;
      return std::nullopt;
    }
    const std::string text = Trim(*line);
    if (text == "mégse" || text == "cancel") return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size() && value >= 1 && value <= count) return value;
    if (input_.script()) {
      // As with a question: the following lines are not taken as answers.
      out_ << "Itt egy 1 és " << count << " közötti szám a válasz, nem \"" << text << "\": a szkript itt megáll.\n";
      status_.failed = true;
      throw InputEnded{};
    }
    out_ << "Adj meg egy számot 1 és " << count << " között (vagy: mégse)!\n";
  }
}

int TextUi::ParValasztas(const std::string& header, const std::vector<std::string>& opponentLines) {
  out_ << header << '\n';
  for (std::size_t i = 0; i < opponentLines.size(); ++i) out_ << "  " << i + 1 << ") " << opponentLines[i] << '\n';
  const int count = static_cast<int>(opponentLines.size());
  // The window has no way out but its buttons: without an answer the first pair fights.
  return askNumber("Melyik ellenféllel harcolsz? ", count).value_or(1);
}

void TextUi::DeathWindow() {
  out_ << "*** Halál... ***\n"
       << "MEGHALTÁL!\n"
       << "A játék végetért! Próbálkozz újra!\n";
}

void TextUi::VictoryWindow() {
  out_ << "*** GRATULÁLUNK!!! ***\n"
       << "GYŐZELEMMEL ZÁRTAD A KÖNYVET!\n"
       << "TOVÁBBI JÓ JÁTÉKOT!\n";
}

void TextUi::ErrorWindow(const ErrorLog& errors) {
  out_ << "*** HIBA! ***\n";
  for (const std::string& line : errors.lines()) out_ << line << '\n';
  // The window's text gives only codes; a reader of text is told which file is missing.
  if (missingFiles_) {
    for (const std::string& file : missingFiles_()) out_ << "Hiányzó fájl: " << file << '\n';
  }
  // The log is written as the window closes; a failure to write it is not reported.
  errors.writeLogFile(programFolder_, clock_.now());
  status_.failed = true;
  status_.ended = true;
  status_.fatal = true;
}

void TextUi::BookCodeErrorBox(const std::string& message) {
  out_ << "ZRX - hiba: " << message << '\n';
  status_.failed = true;
}

}  // namespace zrx
