// The "Jd" status panel while a long operation holds the event loop: the
// library's step in the user's language, readable in full at once.
#include <QLabel>
#include <QTest>

#include "document_events.h"
#include "frm_main.h"
#include "gui_test_support.h"
#include "machine/machine_settings.h"

namespace {

using ProgressPanel = kw::test::GuiTest;

TEST_F(ProgressPanel, ShowsTheStepInTheLanguageInUseAndFollowsAChangeOfLanguage) {
  kw::frmMain window;
  window.resize(1400, 950);  // the status bar has room for a long step name
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* jd = window.findChild<QLabel*>("Jd");
  ASSERT_NE(jd, nullptr);

  window.WDocEvents().Jd(200, 100, "距离排序-重新整理");
  EXPECT_EQ(jd->text(), "Ordering by distance: rebuilding the path list 50%");
  // No event has been processed, as during the operation: the panel is wide enough already.
  EXPECT_GE(jd->width(), jd->sizeHint().width());

  kw::Settings().LanguageI = 0;
  window.WDocEvents().Jd(200, 150, "距离排序-重新整理");
  EXPECT_EQ(jd->text(), QString::fromUtf8("距离排序-重新整理 75%"));
}

}  // namespace
