// The knife and pen dialog "ToolSetting": the Z heights of the lifted tool
// and of pen, knife and half-cut knife at depth steps 0 and 10, taught by
// moving Z there (Go, Set current, jogging); the knife offset with its
// offset test, the knife's offset radius and the overcut of each tool.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "dialogs/dialog_run_host.h"
#include "dialogs/setting_fields.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace kw {

class CYdkz;

class ToolSetting : public QDialog {
  Q_OBJECT
 public:
  // The Z heights by their number for Go and Set current: 0 the lifted
  // tool; 1, 2, 3 pen, knife, half-cut knife at depth step 0; 4, 5, 6 the same at step 10.
  static constexpr int kZFields = 7;

  explicit ToolSetting(CYdkz& ydkz, QWidget* parent = nullptr);

  Q_INVOKABLE void ReLanguage();
  RfText& ZField(int k) const { return *fields_[zIndex_[k]].box; }

 public slots:
  void reject() override;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  QGroupBox* AddZHeights();
  QGroupBox* AddJog();
  QGroupBox* AddOffset();
  QGroupBox* AddOvercut();
  QLabel* AddLabel(QWidget& parent, const char* name, const char* caption);
  RfText* AddField(QWidget& parent, const char* name, const char* key, QLabel* row, QLabel* column = nullptr);
  // The Z field k with its Go and Set current buttons, at column of row.
  void AddZField(QGridLayout& grid, int row, int column, int k, const char* name, const char* key, QLabel* label,
                 QLabel* heading);
  QPushButton* AddButton(QWidget& parent, const QString& name, const char* caption);

  void OnGo(int k);
  void OnSet(int k);
  void StartJog(float direction);
  void StopJog();
  void OnJogSpeedLeft();
  void OnOffsetTest();
  void OnOk();
  // Runs a controller command; a library that cannot be used or a value out
  // of the controller's range is reported instead of ending the program.
  template <typename Command>
  void Drive(Command command);

  CYdkz& ydkz_;
  DialogRunHost host_;
  QWidget* body_ = nullptr;
  RfText* jogSpeed_ = nullptr;
  std::vector<SettingField> fields_;
  std::array<size_t, kZFields> zIndex_{};  // where Z field k is in fields_
  bool jogging_ = false;
  bool busy_ = false;  // the offset test is moving the machine
};

// Shows the dialog modally; the settings change when it is closed with OK.
void ShowToolSettings(QWidget* parent, CYdkz& ydkz);

}  // namespace kw
