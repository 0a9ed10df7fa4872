// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one door for message boxes, input boxes, file choosers and the beep. Windows never call
// QMessageBox themselves: they get a Dialogs in their constructor, so tests can answer from a
// script and read back exactly what was asked.
#include <QString>
#include <optional>

class QWidget;

struct MessageBox {
  enum class Buttons { Ok, OkCancel };
  enum class Icon { None, Information, Exclamation, Critical, Question };
  enum class Answer { Ok, Cancel };

  QString text;
  QString title = QStringLiteral("ZESTRA");
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  Answer defaultButton = Answer::Ok;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual MessageBox::Answer message(const MessageBox& box) = 0;

  // The text entered, or nothing on Cancel.
  virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                       const QString& defaultText) = 0;

  virtual void beep() = 0;

  // The path of the file the user picks, starting in folder; filter as "名前 (*.TXT *.txt)".
  // Nothing on Cancel. (A door without a chooser answers Cancel.)
  virtual std::optional<QString> openFile(const QString& /*title*/, const QString& /*folder*/,
                                          const QString& /*filter*/) {
    return std::nullopt;
  }

  // Short forms.
  void inform(const QString& text, const QString& title) {
    message({text, title, MessageBox::Buttons::Ok, MessageBox::Icon::Information});
  }
  void warn(const QString& text, const QString& title) {
    message({text, title, MessageBox::Buttons::Ok, MessageBox::Icon::Exclamation});
  }
  void error(const QString& text, const QString& title = QStringLiteral("ZESTRA")) {
    message({text, title, MessageBox::Buttons::Ok, MessageBox::Icon::Critical});
  }
  bool confirm(const QString& text, const QString& title, MessageBox::Icon icon,
               MessageBox::Answer defaultButton = MessageBox::Answer::Ok) {
    return message({text, title, MessageBox::Buttons::OkCancel, icon, defaultButton}) == MessageBox::Answer::Ok;
  }
};

// The real boxes, owned by a parent window.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  MessageBox::Answer message(const MessageBox& box) override;
  std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText) override;
  void beep() override;
  std::optional<QString> openFile(const QString& title, const QString& folder, const QString& filter) override;

 private:
  QWidget* parent_;
};
