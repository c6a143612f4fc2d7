#include "playtest_ui.h"

#include "error_log.h"

namespace zrx::playtest {

void PlaytestUi::reset(const NewGameChoice& choice) {
  choice_ = choice;
  died_ = won_ = alwaysYes_ = false;
  bookCodeErrors_.clear();
  errorLines_.clear();
}

bool PlaytestUi::QuestionFormKerdes(const std::string&, const std::string&) {
  if (alwaysYes_) return true;
  const bool yes = std::bernoulli_distribution(0.5)(choices_);
  script_.emplace_back(yes ? "igen" : "nem");
  return yes;
}

int PlaytestUi::ParValasztas(const std::string&, const std::vector<std::string>& opponentLines) {
  const int count = static_cast<int>(opponentLines.size());
  const int button = count > 0 ? std::uniform_int_distribution<int>(1, count)(choices_) : 1;
  script_.push_back(std::to_string(button));
  return button;
}

void PlaytestUi::ErrorWindow(const ErrorLog& errors) { errorLines_ = errors.lines(); }

}  // namespace zrx::playtest
