#pragma once

// Collects the skin reader's messages instead of showing dialogs, and starts every test
// without a skin manager.
#include <string>
#include <vector>

#include "skin/data/SkinReader.h"
#include "skin/forms/SkinManager.h"

namespace korvale::testing {

class SkinMessages {
 public:
  SkinMessages() {
    previous_ = SetSkinMessageSink([this](const std::string& text) { texts.push_back(text); });
  }
  ~SkinMessages() {
    SetSkinMessageSink(previous_);
    FreeSkinManager();
  }
  SkinMessages(const SkinMessages&) = delete;
  SkinMessages& operator=(const SkinMessages&) = delete;
  std::vector<std::string> texts;

 private:
  TSkinMessageSink previous_;
};

}  // namespace korvale::testing
