// A message sink for window tests: it records every message and question and
// answers the questions from a script (Cancel once the script is used up).
#pragma once

#include <algorithm>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "core/Messages.h"

class ScriptedMessages final : public gd::IMessages {
 public:
  void Show(gd::MessageKind kind, const std::string& text) override {
    shown.push_back({kind, text});
    texts.push_back(text);
  }
  gd::Answer Ask(gd::MessageKind, const std::string& text) override {
    asked.push_back(text);
    texts.push_back(text);
    if (answers.empty()) return gd::Answer::Cancel;
    const gd::Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  // Whether a message or question had exactly this text.
  bool Told(const std::string& text) const {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
  // Whether a message (not a question) contained this part.
  bool Saw(const std::string& part) const {
    return std::any_of(shown.begin(), shown.end(),
                       [&](const auto& m) { return m.second.find(part) != std::string::npos; });
  }
  std::string All() const {
    std::string all;
    for (const auto& [kind, text] : shown) all += text + " | ";
    return all;
  }

  std::vector<std::pair<gd::MessageKind, std::string>> shown;  // messages
  std::vector<std::string> asked;                              // questions
  std::vector<std::string> texts;                              // both, in order
  std::deque<gd::Answer> answers;
};
