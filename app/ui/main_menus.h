// The main window's menus: every item an action named as its control, with
// its design caption (the language file replaces it), icon and shortcut.
#pragma once

class QMainWindow;

namespace kw {

void BuildMainMenus(QMainWindow& window);

}  // namespace kw
