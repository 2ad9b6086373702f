// Captions from the language in use: every control of a form takes the text
// of its section whose key is the control's name (array members carry their
// index in the name), and the form its "Title".
#pragma once

#include <QString>
#include <string_view>

class QObject;
class QWidget;

namespace kw {

// A text of the language in use as a QString; empty when missing.
QString LanguageQText(std::string_view section, std::string_view key);
// The same with a text of our own for a key the language file lacks.
QString LanguageQTextOr(std::string_view section, std::string_view key, const QString& fallback);

// Gives the control the caption a button, label, group box, action or menu
// shows. False for a control that has no caption.
bool SetCaption(QObject& control, const QString& text);

// Every named child of form (widgets and actions) whose key has a text in
// section takes it as its caption; a control without a text keeps its own.
// The form's caption becomes the section's "Title" when there is one.
void ApplyLanguage(QWidget& form, std::string_view section);

}  // namespace kw
