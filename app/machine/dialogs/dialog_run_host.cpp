#include "dialogs/dialog_run_host.h"

#include <QCoreApplication>

#include "widgets/language_ui.h"
#include "widgets/message_box.h"

namespace kw {

void DialogRunHost::ShowMessage(const std::string& /*key*/, const std::string& text) {
  ShowMessageText(&dialog_, QString::fromStdString(text));
}

void DialogRunHost::ProcessEvents() { QCoreApplication::processEvents(); }

void ShowControllerFailure(QWidget& parent, const std::exception& failure) {
  ShowMessageText(&parent, LanguageQTextOr("MSGBOX", "0030", "The controller could not be driven:") + "\n" +
                               QString::fromStdString(failure.what()));
}

}  // namespace kw
