#include "window_run_host.h"

#include <QCoreApplication>

#include "link_guard.h"
#include "widgets/message_box.h"

namespace kw {

void WindowRunHost::ShowMessage(const std::string& key, const std::string& text) {
  (void)text;  // the box looks the text up in the language in use itself
  kw::ShowMessage(&window_, key);
}

void WindowRunHost::ProcessEvents() { QCoreApplication::processEvents(); }

bool WindowRunHost::StopRequested() { return link_.Lost(); }

}  // namespace kw
