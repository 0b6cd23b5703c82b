// A front end for the commands that answers from a script and records what
// it was shown, so that a test sees every question and message in order.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "hosts/commands.h"

namespace ombrela::testing {

class RecordingUi : public CommandUi {
 public:
  // Answers for the questions, in the order they are asked.
  explicit RecordingUi(std::deque<bool> answers = {}) : answers_(std::move(answers)) {}

  void SetStatusText(const Text& text) override {
    status = text;
    events.push_back("status");
  }
  void SetRestoreEnabled(bool enabled) override { restore_enabled = enabled; }
  bool AskRestoreInstead() override { return Answer("ask-restore"); }
  bool AskDeleteBackup() override { return Answer("ask-delete"); }
  void ReportFailure(CommandFailure failure) override {
    errors.push_back(failure);
    events.push_back("error");
  }

  std::vector<std::string> Questions() const {
    std::vector<std::string> asked;
    for (const auto& e : events) {
      if (e.rfind("ask-", 0) == 0) asked.push_back(e);
    }
    return asked;
  }

  Text status;
  bool restore_enabled = false;
  std::vector<CommandFailure> errors;
  std::vector<std::string> events;

 private:
  bool Answer(const char* question) {
    events.push_back(question);
    if (answers_.empty()) return false;
    bool answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  std::deque<bool> answers_;
};

}  // namespace ombrela::testing
