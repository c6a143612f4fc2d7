#include "new_game_dialog.h"

#include <charconv>
#include <ostream>

#include "new_game_screen.h"
#include "session.h"

namespace zrx {
namespace {

// The difficulty items as typed in lower case.
constexpr const char* kDifficultyWords[] = {"normál", "könnyű", "véletlen"};

enum class Step { Package, Book, Difficulty, Done, Cancelled };

struct Answer {
  enum class Kind { Number, Cancel, Back, Default, Other } kind = Kind::Other;
  int number = 0;
  std::string text;
};

Answer readAnswer(Session& session, const std::string& prompt) {
  const std::optional<std::string> line = session.ask(prompt);
  if (!line) {
    session.status().failed = true;
    return {Answer::Kind::Cancel};
  }
  const std::string text = Trim(*line);
  if (text == "mégse" || text == "cancel") return {Answer::Kind::Cancel};
  if (text == "vissza" || text == "back") return {Answer::Kind::Back};
  if (text.empty()) return {Answer::Kind::Default};
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc() && end == text.data() + text.size()) return {Answer::Kind::Number, value};
  return {Answer::Kind::Other, 0, text};
}

// A wrong answer is told; in a script it also fails the command.
void refuse(Session& session, const std::string& why) {
  session.out() << why << '\n';
  if (session.input().script()) session.status().failed = true;
}

void printLines(std::ostream& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out << "  " << line << '\n';
}

class Dialog {
 public:
  explicit Dialog(Session& session)
      : session_(session), out_(session.out()), screen_(session.game().programFolder(), session.game().errors) {}

  std::optional<NewGameChoice> run() {
    out_ << (session_.quiet() ? "Új játék kezdése:" : "--- Új játék kezdése ---") << '\n';
    if (!screen_.Open()) return std::nullopt;
    // The window's help speaks of its drop-down menu, which a reader of the text has not.
    if (!session_.quiet()) printLines(out_, NewGameIntroLines());
    Step step = Step::Package;
    while (step != Step::Done && step != Step::Cancelled) {
      if (step == Step::Package) step = choosePackage();
      else if (step == Step::Book) step = chooseBook();
      else step = chooseDifficulty();
      if (session_.game().errors.FatalErrorFlag()) return std::nullopt;
    }
    if (step == Step::Cancelled) {
      out_ << "Új játék: mégse.\n";
      return std::nullopt;
    }
    return screen_.Choose(book_, difficultyItem_);
  }

 private:
  Step choosePackage() {
    out_ << "Források:\n";
    const auto& packages = screen_.packages();
    for (std::size_t i = 0; i < packages.size(); ++i) out_ << "  " << i + 1 << ") " << packages[i] << '\n';
    const Answer answer = readAnswer(session_, "Válassz Forrást! ");
    int position = -1;
    if (answer.kind == Answer::Kind::Cancel) return Step::Cancelled;
    if (answer.kind == Answer::Kind::Number) position = answer.number - 1;
    for (std::size_t i = 0; answer.kind == Answer::Kind::Other && i < packages.size(); ++i) {
      if (packages[i] == answer.text) position = static_cast<int>(i);
    }
    if (position < 0 || position >= static_cast<int>(packages.size())) {
      refuse(session_, "Nincs ilyen Forrás.");
      return Step::Package;
    }
    if (!session_.quiet()) printLines(out_, NewGameLoadingLines());
    return screen_.LoadPackage(position) ? Step::Book : Step::Cancelled;
  }

  Step chooseBook() {
    out_ << "Könyvek (" << screen_.packages()[static_cast<std::size_t>(screen_.loadedPackage())] << "):\n";
    const auto& books = screen_.books();
    for (std::size_t i = 0; i < books.size(); ++i) out_ << "  " << i + 1 << ") " << books[i].Title << '\n';
    const Answer answer = readAnswer(session_, "Válassz könyvet! ");
    if (answer.kind == Answer::Kind::Cancel) return Step::Cancelled;
    if (answer.kind == Answer::Kind::Back) return Step::Package;
    if (answer.kind != Answer::Kind::Number || answer.number < 1 || answer.number > static_cast<int>(books.size())) {
      refuse(session_, "Nincs ilyen könyv.");
      return Step::Book;
    }
    const TBookRec& book = books[static_cast<std::size_t>(answer.number - 1)];
    out_ << book.Title << ":\n";
    printLines(out_, BookDescriptionLines(book));
    if (!BookChoosable(book)) {
      refuse(session_, "Ez a könyv nem választható.");
      return Step::Book;
    }
    book_ = answer.number - 1;
    return Step::Difficulty;
  }

  Step chooseDifficulty() {
    out_ << "Nehézségi fokozat:\n";
    for (int i = 0; i < 3; ++i) out_ << "  " << i + 1 << ") " << kDifficultyItems[i] << (i == 0 ? " (alap)" : "") << '\n';
    const Answer answer = readAnswer(session_, "Válassz fokozatot! ");
    if (answer.kind == Answer::Kind::Cancel) return Step::Cancelled;
    if (answer.kind == Answer::Kind::Back) return Step::Book;
    int item = -1;
    if (answer.kind == Answer::Kind::Default) item = kDefaultDifficultyItem;
    if (answer.kind == Answer::Kind::Number) item = answer.number - 1;
    for (int i = 0; answer.kind == Answer::Kind::Other && i < 3; ++i) {
      if (answer.text == kDifficultyItems[i] || answer.text == kDifficultyWords[i]) item = i;
    }
    if (item < 0 || item > 2) {
      refuse(session_, "Nincs ilyen nehézségi fokozat.");
      return Step::Difficulty;
    }
    difficultyItem_ = item;
    return Step::Done;
  }

  Session& session_;
  std::ostream& out_;
  NewGameSelection screen_;
  int book_ = -1;
  int difficultyItem_ = kDefaultDifficultyItem;
};

}  // namespace

std::optional<NewGameChoice> RunNewGameDialog(Session& session) { return Dialog(session).run(); }

}  // namespace zrx
