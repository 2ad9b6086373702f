// What the machine panel's controls do: connecting and disconnecting, the
// runs, the position commands and the frame trace, the Z heights and depth
// steps, the jog buttons, the 50 ms status timer "T2" with the hand pendant,
// and the pendant's key codes arriving through the window's key handler.
#pragma once

#include <QObject>

#include "laser_power_buffer.h"
#include "pendant_keys.h"

class QTimer;

namespace kw {

class HeadMarker;
class MachinePanel;
class frmMain;

class MachineCommands : public QObject {
  Q_OBJECT
 public:
  MachineCommands(frmMain& window, MachinePanel& panel);

  // Connected: the box is ticked and the panel shown.
  bool Connected() const;
  void Connect();
  void Disconnect();

  void Run(bool selection);
  void GoHome();
  void GoOrg();
  void GoZero();
  void SetOrg();
  void MoveFrame();
  // 0 lift, 1 pen, 2 knife, 3 half-cut height.
  void Tool(int i);
  // Tool 0 pen, 1 knife, 2 half-cut one depth step deeper (+1) or shallower (-1).
  void StepDepth(int tool, int delta);
  // A jog button of axis 0..2 pressed (-1 minus, +1 plus) and let go.
  void JogPress(int axis, int direction);
  void JogRelease(int axis);

  // A pendant key code reaching the window; false for any other key.
  bool PendantKey(int code);
  // The status timer's work: head position, marker, pendant.
  void PollStatus();

  const LaserPowerBuffer& LaserPowers() const { return laserPowers_; }
  HeadMarker& Pen1() { return *pen1_; }

 private:
  void Wire();
  void WireJogButtons();
  void OnCkDevice(bool checked);
  // The panel's commands stay out of reach while an operation waits on the
  // machine with the window's events running.
  template <typename Operation>
  void WhileBusy(Operation operation);
  bool Homed();
  // True, after disconnecting and telling the operator, when the controller
  // stopped answering.
  bool LinkFailed();
  bool MayHandleLinkLoss() const;
  // Disconnects and tells the operator that the controller stopped answering.
  void CloseLostLink();
  // A work speed box that is no positive number: named, and given the focus.
  void RefuseWorkSpeed(int tool);

  frmMain& w_;
  MachinePanel& panel_;
  HeadMarker* pen1_ = nullptr;
  QTimer* t2_ = nullptr;
  PendantState pendant_;
  LaserPowerBuffer laserPowers_;
  bool busy_ = false;
  bool reportingLoss_ = false;
};

}  // namespace kw
