#include "start_up.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "command_line.h"
#include "frm_main.h"
#include "machine/layer_tables.h"
#include "machine/machine_settings.h"
#include "machine/settings_file.h"
#include "widgets/message_box.h"

namespace kw {

std::unique_ptr<frmMain> StartUp(const std::vector<std::string>& arguments) {
  // The application title lives in the application name: Qt would append a
  // display name to every caption, the main window's own title prefix too.
  QApplication::setApplicationName("Plotter");
  LayerMap();
  CutLayers();
  for (const auto& problem : LoadSettings()) std::fprintf(stderr, "Setting.ini: %s\n", problem.c_str());
  ComputeToolHeights(Settings());
  auto window = std::make_unique<frmMain>();
  window->BuildLanguageMenu();
  QApplication::setApplicationName(ProgramTitle());
  window->SetCaptionText({});
  window->show();
  const CommandLineRequest request = ReadCommandLine(JoinArguments(arguments));
  if (request.debug) {
    window->ShowDebugMenu();
  } else if (!request.file.empty()) {
    // Opened once the window is up, so any message it brings has a window to sit on.
    QTimer::singleShot(0, window.get(), [w = window.get(), request] {
      w->mFileOpen(QString::fromStdString(request.file), request.openMode);
    });
  }
  return window;
}

}  // namespace kw
