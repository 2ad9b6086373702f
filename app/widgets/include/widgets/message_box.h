// Message boxes with the texts of the language in use: the message from
// section "MSGBOX", the program title (CODE/0000) as the box's title unless a
// title key is given.
#pragma once

#include <QMessageBox>
#include <string_view>

namespace kw {

// The program title of the language in use.
QString ProgramTitle();

// An OK box with MSGBOX/key.
void ShowMessage(QWidget* parent, std::string_view key);

// An OK box with a text that is already in the user's language.
void ShowMessageText(QWidget* parent, const QString& text);

// A question with MSGBOX/key and Yes/No; true for Yes.
bool AskYesNo(QWidget* parent, std::string_view key);

// A question with MSGBOX/key, titled MSGBOX/titleKey, with Yes, No and Cancel.
QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, std::string_view key, std::string_view titleKey);

}  // namespace kw
