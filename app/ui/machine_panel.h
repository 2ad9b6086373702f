// The machine panel at the window's right: the connect box "CkDevice" and,
// shown while connected, the panel "SSTb" with the run and position buttons,
// the head position, the jog controls, the tool heights and depths and the
// work speed boxes. The panel only holds the controls; MachineCommands
// gives them their work.
#pragma once

#include <QWidget>
#include <array>

class QAbstractButton;
class QCheckBox;
class QGridLayout;
class QLabel;
class QRadioButton;

namespace kw {

class RfText;
struct MachineSettings;

class MachinePanel : public QWidget {
  Q_OBJECT
 public:
  explicit MachinePanel(QWidget* parent = nullptr);

  QCheckBox& CkDevice() { return *ckDevice_; }
  QWidget& SSTb() { return *sstb_; }
  RfText& JogSpeed() { return *jogSpeed_; }
  RfText& RtStep() { return *rtStep_; }
  RfText& WorkSpeed(int tool) { return *workSpeed_.at(tool); }
  QRadioButton& OpJogMode(int mode) { return *opJogMode_.at(mode); }
  // Jog buttons of axis 0 X, 1 Y, 2 Z: minus and plus direction.
  QAbstractButton& Cmf(int axis) { return *cmf_.at(axis); }
  QAbstractButton& Cmz(int axis) { return *cmz_.at(axis); }
  // 0 lift, 1 pen, 2 knife, 3 half-cut height.
  QAbstractButton& CTool(int i) { return *cTool_.at(i); }
  QAbstractButton& CToolAdd(int tool) { return *cToolAdd_.at(tool); }
  QAbstractButton& CToolDec(int tool) { return *cToolDec_.at(tool); }
  QLabel& LZPOS(int tool) { return *lzpos_.at(tool); }
  QLabel& Lmx() { return *lmx_; }
  QLabel& Lmy() { return *lmy_; }
  // CRun, CRunSel, CGoHome, CGoOrg, CGoZero, CSetOrg, CMoveFrame.
  QAbstractButton& Command(const char* name);

  // The speed boxes' texts from the settings, and back.
  void LoadSpeeds();
  void StoreSpeeds() const;
  // The depth steps of the three tools into LZPOS.
  void ShowToolDepths(const MachineSettings& s);
  // 0 the head runs to the work area's edge while a jog button is held, 1 by the step.
  int JogMode() const;

 private:
  QWidget* BuildRunGroup(QWidget& parent);
  QWidget* BuildPositionGroup(QWidget& parent);
  QWidget* BuildJogGroup(QWidget& parent);
  QWidget* BuildToolGroup(QWidget& parent);
  QWidget* BuildSpeedGroup(QWidget& parent);

  QCheckBox* ckDevice_ = nullptr;
  QWidget* sstb_ = nullptr;
  RfText* jogSpeed_ = nullptr;
  RfText* rtStep_ = nullptr;
  std::array<RfText*, 3> workSpeed_{};
  std::array<QRadioButton*, 2> opJogMode_{};
  std::array<QAbstractButton*, 3> cmf_{}, cmz_{};
  std::array<QAbstractButton*, 4> cTool_{};
  std::array<QAbstractButton*, 3> cToolAdd_{}, cToolDec_{};
  std::array<QLabel*, 3> lzpos_{};
  QLabel* lmx_ = nullptr;
  QLabel* lmy_ = nullptr;
};

}  // namespace kw
