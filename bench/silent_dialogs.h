// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers every box with OK and every input box with its default, without showing anything.
#include "platform/windows/dialogs.h"

namespace bench {

class SilentDialogs : public Dialogs {
 public:
  MessageBox::Answer message(const MessageBox&) override { return MessageBox::Answer::Ok; }
  std::optional<QString> input(const QString&, const QString&, const QString& defaultText) override {
    return defaultText;
  }
  void beep() override {}
};

}  // namespace bench
