// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_dialogs.h"

MessageBox::Answer ScriptedDialogs::message(const MessageBox& box) {
  calls.push_back({Call::Kind::Message, box, {}, {}});
  if (box.buttons == MessageBox::Buttons::Ok) return MessageBox::Answer::Ok;
  if (answers_.empty()) return MessageBox::Answer::Ok;
  const auto a = answers_.front();
  answers_.pop_front();
  return a;
}

std::optional<QString> ScriptedDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
  MessageBox box;
  box.title = title;
  calls.push_back({Call::Kind::Input, box, prompt, defaultText});
  if (inputs_.empty()) return defaultText;
  auto text = inputs_.front();
  inputs_.pop_front();
  return text;
}

std::optional<QString> ScriptedDialogs::openFile(const QString& title, const QString& folder, const QString& filter) {
  MessageBox box;
  box.title = title;
  calls.push_back({Call::Kind::OpenFile, box, folder, filter});
  if (files_.empty()) return std::nullopt;
  auto path = files_.front();
  files_.pop_front();
  return path;
}

std::vector<MessageBox> ScriptedDialogs::messages() const {
  std::vector<MessageBox> out;
  for (const Call& c : calls)
    if (c.kind == Call::Kind::Message) out.push_back(c.box);
  return out;
}

QStringList ScriptedDialogs::titles() const {
  QStringList out;
  for (const Call& c : calls)
    if (c.kind != Call::Kind::Beep) out.append(c.box.title);
  return out;
}
