#include "machine_commands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "frame_trace.h"
#include "frm_main.h"
#include "head_marker.h"
#include "jog_distance.h"
#include "link_guard.h"
#include "machine/layer_tables.h"
#include "machine/machine_moves.h"
#include "machine/machine_settings.h"
#include "machine/run_preparation.h"
#include "machine/settings_file.h"
#include "machine/tool_depth.h"
#include "machine_dialog_calls.h"
#include "machine_panel.h"
#include "panel_texts.h"
#include "pathcore/path_obj.h"
#include "pic_view.h"
#include "support/basic_text.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"
#include "widgets/rf_text.h"
#include "window_run_host.h"

namespace kw {
namespace {

constexpr int kStatusIntervalMs = 50;

float Number(const RfText& box) { return static_cast<float>(Val(box.Text().toStdString())); }

}  // namespace

MachineCommands::MachineCommands(frmMain& window, MachinePanel& panel)
    : QObject(&window), w_(window), panel_(panel) {
  pen1_ = new HeadMarker(w_.Pic());
  t2_ = new QTimer(this);
  t2_->setObjectName("T2");
  t2_->setInterval(kStatusIntervalMs);
  connect(t2_, &QTimer::timeout, this, &MachineCommands::PollStatus);
  t2_->start();
  Wire();
  panel_.ShowToolDepths(Settings());
}

void MachineCommands::Wire() {
  connect(&panel_.CkDevice(), &QCheckBox::toggled, this, &MachineCommands::OnCkDevice);
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"CRun", [this] { Run(false); }},    {"CRunSel", [this] { Run(true); }}, {"CGoHome", [this] { GoHome(); }},
      {"CGoOrg", [this] { GoOrg(); }},     {"CGoZero", [this] { GoZero(); }}, {"CSetOrg", [this] { SetOrg(); }},
      {"CMoveFrame", [this] { MoveFrame(); }}};
  for (const auto& [name, command] : commands) connect(&panel_.Command(name), &QAbstractButton::clicked, this, command);
  for (int i = 0; i < 4; ++i) connect(&panel_.CTool(i), &QAbstractButton::clicked, this, [this, i] { Tool(i); });
  for (int i = 0; i < 3; ++i) {
    connect(&panel_.CToolAdd(i), &QAbstractButton::clicked, this, [this, i] { StepDepth(i, +1); });
    connect(&panel_.CToolDec(i), &QAbstractButton::clicked, this, [this, i] { StepDepth(i, -1); });
  }
  for (RfText* box : {&panel_.JogSpeed(), &panel_.WorkSpeed(0), &panel_.WorkSpeed(1), &panel_.WorkSpeed(2)}) {
    connect(box, &RfText::LostFocus, this, [box] {
      box->SetText(QString::fromStdString(CorrectedSpeedText(box->Text().toStdString())));
    });
  }
  WireJogButtons();
}

void MachineCommands::WireJogButtons() {
  for (int axis = 0; axis < 3; ++axis) {
    for (int direction : {-1, +1}) {
      QAbstractButton& button = direction < 0 ? panel_.Cmf(axis) : panel_.Cmz(axis);
      connect(&button, &QAbstractButton::pressed, this, [this, axis, direction] { JogPress(axis, direction); });
      connect(&button, &QAbstractButton::released, this, [this, axis] { JogRelease(axis); });
    }
  }
}

bool MachineCommands::Connected() const {
  return panel_.CkDevice().isChecked() && !panel_.SSTb().isHidden();
}

void MachineCommands::OnCkDevice(bool checked) { checked ? Connect() : Disconnect(); }

void MachineCommands::Connect() {
  w_.ReplaceYdkz();
  if (w_.Ydkz().OpenPort(Settings().ControllerAddress) != 0) {
    ShowMessage(&w_, "0001");
    panel_.CkDevice().setChecked(false);
    return;
  }
  w_.Guard().UseWindowTiming();
  if (w_.Ydkz().Connect() != 0) {
    ShowMessage(&w_, "0002");
    panel_.CkDevice().setChecked(false);
    return;
  }
  panel_.SSTb().show();
  pen1_->show();
  panel_.ShowToolDepths(Settings());
  PollStatus();
  if (!Connected()) return;  // the controller went silent straight away
  if (!Homed() && !LinkFailed() && AskYesNo(&w_, "0003")) GoHome();
}

void MachineCommands::Disconnect() {
  w_.Ydkz().DisConnect();
  w_.ReplaceYdkz();
  panel_.SSTb().hide();
  pen1_->hide();
}

template <typename Operation>
void MachineCommands::WhileBusy(Operation operation) {
  busy_ = true;
  panel_.SSTb().setEnabled(false);
  panel_.CkDevice().setEnabled(false);
  operation();
  panel_.CkDevice().setEnabled(true);
  panel_.SSTb().setEnabled(true);
  busy_ = false;
}

bool MachineCommands::Homed() {
  int16_t mark = 0;
  return w_.Ydkz().GetPCMarkB(mark) == 0 && mark != 0;
}

bool MachineCommands::MayHandleLinkLoss() const {
  // An operation or dialog still holds the wrapper: it ends on the lost link
  // by itself, and the loss is handled once it has.
  return !busy_ && !reportingLoss_ && QApplication::activeModalWidget() == nullptr;
}

bool MachineCommands::LinkFailed() {
  if (!w_.Guard().Lost()) return false;
  if (MayHandleLinkLoss()) CloseLostLink();
  return true;
}

void MachineCommands::CloseLostLink() {
  if (!Connected()) return;
  reportingLoss_ = true;
  panel_.CkDevice().setChecked(false);
  ShowMessageText(&w_, LanguageQTextOr("frmMain", "LinkLost",
                                       "The controller stopped answering. The connection has been closed."));
  reportingLoss_ = false;
}

void MachineCommands::Run(bool selection) {
  auto& doc = w_.MainDoc();
  if (selection && doc.SelCount() == 0) return;
  auto& s = Settings();
  const bool homed = LiftAndCheckHomeReference(w_.Ydkz(), s);
  if (LinkFailed()) return;
  if (!homed && !AskYesNo(&w_, kNoHomeReferenceKey)) return;
  panel_.StoreSpeeds();
  if (const int bad = PrepareRun(doc, CutLayers(), s, !selection && s.AutoLayout); bad >= 0) {
    RefuseWorkSpeed(bad);
    return;
  }
  laserPowers_.Write(CutLayers());
  WhileBusy([this, selection] { ShowRunDialog(w_, selection); });
  panel_.ShowToolDepths(s);
  w_.RefreshPic();
  LinkFailed();
}

void MachineCommands::RefuseWorkSpeed(int bad) {
  const QString label = w_.findChild<QLabel*>(QString("LWorkSpeed%1").arg(bad))->text();
  ShowMessageText(&w_, LanguageQTextOr("frmMain", "BadWorkSpeed", "%1: the speed is not a positive number.").arg(label));
  panel_.WorkSpeed(bad).Tx().setFocus();
}

void MachineCommands::GoHome() {
  WhileBusy([this] { ShowHomingDialog(w_); });
  LinkFailed();
}

void MachineCommands::GoOrg() {
  const auto& doc = w_.MainDoc();
  TravelTo(w_.Ydkz(), Settings(), doc.Xmax(), doc.Ymin());
  LinkFailed();
}

void MachineCommands::GoZero() {
  TravelTo(w_.Ydkz(), Settings(), 0, 0);
  LinkFailed();
}

void MachineCommands::SetOrg() {
  float x = 0, y = 0, z = 0;
  if (w_.Ydkz().GetPos(x, y, z) != 0) {
    LinkFailed();
    return;
  }
  w_.MainDoc().SetPathPos(x, y);
  // The drawing moved: like any edit it can be undone and asks to be saved.
  w_.CommitEdit();
}

void MachineCommands::MoveFrame() {
  const auto& doc = w_.MainDoc();
  if (doc.Count() == 0) return;
  const std::string refusal = FrameTraceRefusal(doc, Settings());
  if (!refusal.empty()) {
    ShowMessage(&w_, refusal);
    return;
  }
  WhileBusy([this, &doc] {
    WindowRunHost host(w_, w_.Guard());
    TraceFrame(w_.Ydkz(), Settings(), doc, host);
  });
  LinkFailed();
}

void MachineCommands::Tool(int i) {
  const auto& s = Settings();
  const bool homed = Homed();
  if (LinkFailed()) return;
  if (!homed && AskYesNo(&w_, "0013")) {
    GoHome();
    return;
  }
  const float targets[] = {s.ZPos_Up, s.ZPen, s.ZCut, s.ZHalfCut};
  if (i < 0 || i > 3) return;
  MoveZTo(w_.Ydkz(), s, targets[i]);
  LinkFailed();
}

void MachineCommands::StepDepth(int tool, int delta) {
  StepToolDepth(Settings(), tool, delta);
  panel_.ShowToolDepths(Settings());
  SaveSettings();
}

void MachineCommands::JogPress(int axis, int direction) {
  const auto& s = Settings();
  JogRequest r;
  r.axis = axis;
  r.direction = direction;
  r.homed = Homed();
  r.mode = panel_.JogMode() == 0 ? JogMode::ToLimit : JogMode::Step;
  r.step = Number(panel_.RtStep());
  r.width = s.WorkRect[0];
  r.height = s.WorkRect[1];
  if (r.homed) {
    float position[3] = {};
    w_.Ydkz().GetPos(position[0], position[1], position[2]);
    r.position = position[axis];
  }
  if (LinkFailed()) return;
  const auto distance = JogDistance(r);
  if (!distance) return;
  w_.Ydkz().Pmove(static_cast<int16_t>(axis + 1), *distance, s.SMin[axis], s.Acc[axis], Number(panel_.JogSpeed()));
  LinkFailed();
}

void MachineCommands::JogRelease(int axis) {
  w_.Ydkz().dec_stop(static_cast<int16_t>(axis + 1));
  LinkFailed();
}

bool MachineCommands::PendantKey(int code) {
  if (!IsPendantKey(code)) return false;
  // Only the window's own input: not under a dialog, nor during an operation.
  if (!w_.isEnabled() || QApplication::activeModalWidget() || busy_ || !Connected()) return true;
  switch (code) {
    case kPendantStopXY:
      for (int axis : {0, 1, 0, 1}) JogRelease(axis);
      break;
    case kPendantXMinus: JogPress(0, -1); break;
    case kPendantXPlus: JogPress(0, +1); break;
    case kPendantYPlus: JogPress(1, +1); break;
    case kPendantYMinus: JogPress(1, -1); break;
    case kPendantGoHome: GoHome(); break;
    case kPendantLift: Tool(0); break;
    case kPendantCutHeight: Tool(2); break;
    case kPendantHalfCutHeight: Tool(3); break;
    case kPendantPenHeight: Tool(1); break;
    case kPendantJogToLimit: panel_.OpJogMode(0).setChecked(true); break;
    case kPendantJogStep: panel_.OpJogMode(1).setChecked(true); break;
    default: break;
  }
  return true;
}

void MachineCommands::PollStatus() {
  if (!Connected() || reportingLoss_) return;
  float x = 0, y = 0, z = 0;
  // A position that cannot be read is a link that failed, however fast the library gave up.
  if (w_.Ydkz().GetPos(x, y, z) != 0) {
    if (MayHandleLinkLoss()) CloseLostLink();
    return;
  }
  panel_.Lmx().setText(QString::fromStdString(PositionText(x)));
  panel_.Lmy().setText(QString::fromStdString(PositionText(y)));
  pen1_->PlaceAt(x, y);
  uint8_t key = 0;
  short word = 0;
  const int result = w_.Guard().GetJoyData(&key, &word);
  if (LinkFailed()) return;
  if (const auto code = pendant_.Read(result, key, word)) {
    QCoreApplication::postEvent(&w_, new QKeyEvent(QEvent::KeyPress, *code, Qt::NoModifier));
  }
}

}  // namespace kw
