// Numeric entry boxes bound to keys of the settings table: they are filled in
// the text the settings file uses and read back through the table's own
// conversions, all boxes or none.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "machine/machine_settings.h"

class QLabel;
class QString;
class QWidget;

namespace kw {

class RfText;

struct SettingField {
  RfText* box = nullptr;
  std::string key;                 // a key of the settings table: "Sgdc0"
  const QLabel* row = nullptr;     // the label that names the box
  const QLabel* column = nullptr;  // the axis or tool heading of a table, if any
};

// Every box shows its key's value in its default number text.
void FillFields(const std::vector<SettingField>& fields, const MachineSettings& s);

// Converts every box into a copy of s; when all convert the copy replaces s,
// otherwise s stays as it was and the first box that did not is returned.
const SettingField* StoreFields(const std::vector<SettingField>& fields, MachineSettings& s);

// The box's number by the same rule, for a command that uses it before OK.
std::optional<float> FieldNumber(const SettingField& field);

// Tells the user which box holds no number (MSGBOX 0027 with the box's
// label and text) and puts the cursor in it.
void RefuseField(QWidget& parent, const SettingField& field);

// What the box is called on screen: its label, and its heading in a table.
QString FieldCaption(const SettingField& field);

}  // namespace kw
