#include <QAction>
#include <QTest>

#include "frm_main.h"
#include "gui_test_support.h"
#include "pathcore/path_obj.h"

namespace {

using MainWindowSmoke = kw::test::GuiTest;

TEST_F(MainWindowSmoke, ControlsCarryTheirNames) {
  kw::frmMain window;
  for (const char* name : {"Pic", "TB", "Tbb", "Stb", "Jd", "POS", "Size", "CkDevice", "SSTb", "JogSpeed", "WorkSpeed0",
                           "mnuFileMRU3", "mnuFileBar2", "mnuDebug", "CPDel", "numSelA", "mnuLanguage"}) {
    EXPECT_NE(window.findChild<QObject*>(name), nullptr) << name;
  }
}

}  // namespace
