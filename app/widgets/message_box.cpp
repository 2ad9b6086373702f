#include "widgets/message_box.h"

#include "machine/language_files.h"
#include "widgets/language_ui.h"

namespace kw {
namespace {

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault) {
  QMessageBox box(icon, title, text, buttons, parent);
  box.setDefaultButton(byDefault);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QString ProgramTitle() { return LanguageQText("CODE", "0000"); }

void ShowMessage(QWidget* parent, std::string_view key) { ShowMessageText(parent, LanguageQText("MSGBOX", key)); }

void ShowMessageText(QWidget* parent, const QString& text) {
  Ask(parent, QMessageBox::Information, ProgramTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool AskYesNo(QWidget* parent, std::string_view key) {
  return Ask(parent, QMessageBox::Question, ProgramTitle(), LanguageQText("MSGBOX", key),
             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, std::string_view key, std::string_view titleKey) {
  return Ask(parent, QMessageBox::Question, LanguageQText("MSGBOX", titleKey), LanguageQText("MSGBOX", key),
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

}  // namespace kw
