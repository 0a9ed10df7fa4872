// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Dialogs that answers from a script and records every question, so a test can assert the
// exact text, title, icon and buttons a user would see.
#include <QStringList>
#include <deque>
#include <vector>

#include "platform/windows/dialogs.h"

class ScriptedDialogs : public Dialogs {
 public:
  struct Call {
    enum class Kind { Message, Input, Beep, OpenFile } kind;
    MessageBox box;      // for messages (and the title of the others)
    QString prompt;      // for input boxes; the start folder of a file chooser
    QString defaultText; // for input boxes; the filter of a file chooser
  };

  // Answers for the next OK/Cancel boxes, in order; OK when the script has run out.
  void answer(MessageBox::Answer a) { answers_.push_back(a); }
  void answerCancel() { answer(MessageBox::Answer::Cancel); }
  // Answers for the next input boxes; nothing means Cancel. The default text when the script
  // has run out.
  void type(std::optional<QString> text) { inputs_.push_back(std::move(text)); }
  // Answers for the next file choosers: the path picked, nothing for Cancel (also when the
  // script has run out).
  void pickFile(std::optional<QString> path) { files_.push_back(std::move(path)); }

  MessageBox::Answer message(const MessageBox& box) override;
  std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText) override;
  void beep() override { calls.push_back({Call::Kind::Beep, {}, {}, {}}); }
  std::optional<QString> openFile(const QString& title, const QString& folder, const QString& filter) override;

  std::vector<Call> calls;
  std::vector<MessageBox> messages() const;
  QStringList titles() const;  // titles of every message box and input box, in order
  void clear() { calls.clear(); }

 private:
  std::deque<MessageBox::Answer> answers_;
  std::deque<std::optional<QString>> inputs_;
  std::deque<std::optional<QString>> files_;
};
