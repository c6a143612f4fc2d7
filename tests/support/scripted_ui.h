#pragma once
// A UI port for tests: records every modal moment in order and answers from queues.
// An answer asked for but not scripted fails the test.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "error_log.h"
#include "ui_port.h"

namespace zrx::test {

struct UiEvent {
  enum class Kind { Question, Info, Comment, NewGame, PairChoice, Death, Victory, Error, BookCodeError, DieThrow };
  Kind kind;
  std::vector<std::string> lines;
  bool operator==(const UiEvent&) const = default;
};

class ScriptedUi : public UiPort {
 public:
  using Kind = UiEvent::Kind;

  // Answers, used in order.
  void answer(bool yes) { answers_.push_back(yes); }
  void chooseNewGame(std::optional<NewGameChoice> choice) { newGames_.push_back(std::move(choice)); }
  void choosePair(int button) { pairs_.push_back(button); }
  // What the player types when asked to throw a die by hand.
  void type(std::string text) { typed_.push_back(std::move(text)); }

  const std::vector<UiEvent>& events() const { return events_; }
  void clearEvents() { events_.clear(); }
  // The events of one kind, in order.
  std::vector<UiEvent> eventsOf(Kind kind) const {
    std::vector<UiEvent> out;
    for (const UiEvent& e : events_) {
      if (e.kind == kind) out.push_back(e);
    }
    return out;
  }
  bool unansweredLeft() const { return !answers_.empty() || !newGames_.empty() || !pairs_.empty() || !typed_.empty(); }

  bool QuestionFormKerdes(const std::string& line1, const std::string& line2) override {
    events_.push_back({Kind::Question, {line1, line2}});
    return next(answers_, "question \"" + line1 + "\"");
  }
  void QuestionFormInfo(const std::string& line1, const std::string& line2) override {
    events_.push_back({Kind::Info, {line1, line2}});
  }
  void CommentFormMegjelenites(const std::string& line1, const std::string& line2,
                               const std::string& line3) override {
    events_.push_back({Kind::Comment, {line1, line2, line3}});
  }
  std::optional<NewGameChoice> NewGameScreen() override {
    events_.push_back({Kind::NewGame, {}});
    return next(newGames_, "new-game screen");
  }
  int ParValasztas(const std::string& header, const std::vector<std::string>& opponentLines) override {
    UiEvent e{Kind::PairChoice, {header}};
    e.lines.insert(e.lines.end(), opponentLines.begin(), opponentLines.end());
    events_.push_back(std::move(e));
    return next(pairs_, "pair choice");
  }
  void DeathWindow() override { events_.push_back({Kind::Death, {}}); }
  void VictoryWindow() override { events_.push_back({Kind::Victory, {}}); }
  void ErrorWindow(const ErrorLog& errors) override { events_.push_back({Kind::Error, errors.lines()}); }
  void BookCodeErrorBox(const std::string& message) override {
    events_.push_back({Kind::BookCodeError, {message}});
  }
  std::string KockaBekeres(const std::string& purpose) override {
    events_.push_back({Kind::DieThrow, {purpose}});
    return next(typed_, "die thrown for \"" + purpose + "\"");
  }

 private:
  template <typename T>
  T next(std::deque<T>& queue, const std::string& what) {
    if (queue.empty()) {
      ADD_FAILURE() << "no scripted answer for the " << what;
      throw std::logic_error("unscripted UI answer");
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }

  std::vector<UiEvent> events_;
  std::deque<bool> answers_;
  std::deque<std::optional<NewGameChoice>> newGames_;
  std::deque<int> pairs_;
  std::deque<std::string> typed_;
};

}  // namespace zrx::test
