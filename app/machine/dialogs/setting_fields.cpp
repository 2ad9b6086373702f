#include "dialogs/setting_fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <stdexcept>

#include "machine/settings_table.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"
#include "widgets/rf_text.h"

namespace kw {
namespace {

SettingRef RefOf(MachineSettings& s, const std::string& key) {
  for (const SettingEntry& entry : SettingEntries(s)) {
    if (entry.key == key) return entry.value;
  }
  throw std::logic_error("no setting " + key);
}

// A label's text as a name inside a sentence: no mnemonic, no closing colon.
QString Plain(const QLabel& label) {
  QString text = label.text();
  text.remove(QRegularExpression(R"(\(&.\))")).remove('&');
  while (text.endsWith(':') || text.endsWith(QChar(0xFF1A)) || text.endsWith(' ')) text.chop(1);
  return text;
}

}  // namespace

void FillFields(const std::vector<SettingField>& fields, const MachineSettings& s) {
  MachineSettings copy = s;
  for (const SettingField& field : fields) {
    field.box->SetText(QString::fromStdString(SettingText(RefOf(copy, field.key))));
  }
}

const SettingField* StoreFields(const std::vector<SettingField>& fields, MachineSettings& s) {
  MachineSettings copy = s;
  for (const SettingField& field : fields) {
    if (AssignSetting(RefOf(copy, field.key), field.box->Text().toStdString())) return &field;
  }
  s = copy;
  return nullptr;
}

std::optional<float> FieldNumber(const SettingField& field) {
  float value = 0;
  if (AssignSetting(&value, field.box->Text().toStdString())) return std::nullopt;
  return value;
}

QString FieldCaption(const SettingField& field) {
  QString caption = field.row ? Plain(*field.row) : field.box->objectName();
  if (field.column) caption += " " + Plain(*field.column);
  return caption;
}

void RefuseField(QWidget& parent, const SettingField& field) {
  ShowMessageText(&parent, LanguageQTextOr("MSGBOX", "0027", "This value is not a number; nothing has been changed:") +
                               "\n" + FieldCaption(field) + " \"" + field.box->Text() + "\"");
  field.box->setFocus();
  field.box->Tx().selectAll();
}

}  // namespace kw
