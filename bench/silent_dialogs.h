#pragma once
// Dialogs for benchmarks: every box answered with OK, every input box with its default, nothing shown.
#include "platform/windows/dialogs.h"

class SilentDialogs : public Dialogs {
 public:
  MessageBox::Answer message(const MessageBox&) override { return MessageBox::Answer::Ok; }
  std::optional<QString> input(const QString&, const QString&, const QString& defaultText) override {
    return defaultText;
  }
  void beep() override {}
};
