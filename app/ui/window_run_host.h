// The window as host of the machine's long operations (homing, the run, the
// frame trace): messages in boxes over the window, the window's events
// processed between the controller polls, and a stop once the link is lost.
#pragma once

#include "machine/run_host.h"

class QWidget;

namespace kw {

class LinkGuard;

class WindowRunHost : public RunHost {
 public:
  WindowRunHost(QWidget& window, const LinkGuard& link) : window_(window), link_(link) {}

  void ShowMessage(const std::string& key, const std::string& text) override;
  void ProcessEvents() override;
  // A controller that stopped answering ends the operation's waits.
  bool StopRequested() override;

 private:
  QWidget& window_;
  const LinkGuard& link_;
};

}  // namespace kw
