#include "widgets/language_ui.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include "machine/language_files.h"

namespace kw {

QString LanguageQText(std::string_view section, std::string_view key) {
  return QString::fromStdString(LanguageText(section, key));
}

QString LanguageQTextOr(std::string_view section, std::string_view key, const QString& fallback) {
  const QString text = LanguageQText(section, key);
  return text.isEmpty() ? fallback : text;
}

bool SetCaption(QObject& control, const QString& text) {
  if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(&control)) {
    label->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(&control)) {
    group->setTitle(text);
  } else if (auto* menu = qobject_cast<QMenu*>(&control)) {
    menu->setTitle(text);
  } else if (auto* action = qobject_cast<QAction*>(&control)) {
    action->setText(text);
  } else {
    return false;
  }
  return true;
}

namespace {

// A control of this form, not of a dialog the form happens to own (menus
// are windows of their own, yet belong to the form that shows them).
bool BelongsTo(const QObject* control, const QWidget& form) {
  for (const QObject* o = control; o; o = o->parent()) {
    if (o == &form) return true;
    const auto* widget = qobject_cast<const QWidget*>(o);
    if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget)) return false;
  }
  return false;
}

}  // namespace

void ApplyLanguage(QWidget& form, std::string_view section) {
  const auto apply = [section, &form](QObject* control) {
    if (!BelongsTo(control, form)) return;
    const QString name = control->objectName();
    if (name.isEmpty()) return;
    const QString text = LanguageQText(section, name.toStdString());
    if (!text.isEmpty()) SetCaption(*control, text);
  };
  for (QObject* child : form.findChildren<QObject*>()) apply(child);
  const QString title = LanguageQText(section, "Title");
  if (!title.isEmpty()) form.setWindowTitle(title);
}

}  // namespace kw
