// The machine parameter dialog "SetM": per axis the drive's travel per
// revolution and pulses, speeds and accelerations; the work area, the
// streamed paths' values and the laser values; import and export of
// parameter files (.Les).
#pragma once

#include <QDialog>
#include <vector>

#include "dialogs/setting_fields.h"

class QGridLayout;
class QLabel;
class QTabWidget;

namespace kw {

class SetM : public QDialog {
  Q_OBJECT
 public:
  explicit SetM(QWidget* parent = nullptr);

  // True after OK, false after Cancel.
  bool OkB = false;

  Q_INVOKABLE void ReLanguage();
  QTabWidget& Stb() const { return *stb_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* AddAxisPage();
  QWidget* AddWorkPage();
  // A row of a page: its label and one box per column heading (boxName and
  // key then get the column's index), or a single box without headings.
  QLabel* AddRow(QGridLayout& grid, const char* labelName, const char* caption, const char* boxName,
                 const char* key, const std::vector<QLabel*>& columns, bool integer = false);
  QLabel* AddLabel(const char* name, const char* caption);
  void AddButtons();
  void OnOk();
  void OnImport();
  void OnExport();
  // Fields into a copy of the settings; false (and the user told) when one is not a number.
  bool ReadFields(MachineSettings& into);
  QString FileFilter() const;

  QTabWidget* stb_ = nullptr;
  QLabel* lhome_[2] = {};
  std::vector<SettingField> fields_;
};

// Shows the dialog modally; true when it was closed with OK.
bool ShowMachineParameters(QWidget* parent);

}  // namespace kw
