// The run host of a dialog that drives the machine: messages appear over the
// dialog, the event loop keeps turning while the machine moves, and the
// dialog's Cancel button is the stop request.
#pragma once

#include <exception>
#include <string>

#include "machine/run_host.h"

class QWidget;

namespace kw {

class DialogRunHost : public RunHost {
 public:
  explicit DialogRunHost(QWidget& dialog) : dialog_(dialog) {}

  void ShowMessage(const std::string& key, const std::string& text) override;
  void ProcessEvents() override;
  bool StopRequested() override { return stopRequested_; }

  void RequestStop() { stopRequested_ = true; }
  void ClearStop() { stopRequested_ = false; }

 private:
  QWidget& dialog_;
  bool stopRequested_ = false;
};

// A controller library that cannot be loaded or a value beyond the
// controller's range ends a command with MSGBOX 0030 and the reason.
void ShowControllerFailure(QWidget& parent, const std::exception& failure);

}  // namespace kw
