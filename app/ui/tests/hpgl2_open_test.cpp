// HP-GL/2 drawings in the window: .hpgl, .hpg and .hp2 open and import
// through the HP-GL/2 reader, the dialogs offer them, and a .plt file the PLT
// scanner takes nothing from is read again with a note in the status bar.
#include <QStatusBar>

#include "file_commands.h"
#include "machine/machine_settings.h"
#include "main_window_fixture.h"
#include "pathcore/path_obj.h"
#include "widgets/language_ui.h"

namespace {

class Hpgl2OpenTest : public kw::test::MainWindowTest {
 protected:
  QString Status() { return Window().statusBar()->currentMessage(); }
};

TEST(FileKind, HpglEndingsAreOneKind) {
  EXPECT_EQ(kw::FileKind("/a/b.hpgl"), "hpgl");
  EXPECT_EQ(kw::FileKind("/a/B.HPG"), "hpgl");
  EXPECT_EQ(kw::FileKind("/a/b.Hp2"), "hpgl");
  EXPECT_EQ(kw::FileKind("/a/b.plt"), "plt");
}

TEST_F(Hpgl2OpenTest, EachHpglEndingOpensThroughTheHpgl2Reader) {
  kw::Settings().PltCutStr = "1";
  kw::test::NoModalExpected quiet;
  for (const char* name : {"kicad.hpgl", "KICAD.HPG", "kicad.hp2"}) {
    SCOPED_TRACE(name);
    Window().mFileOpen(CopyDrawing("hpgl/kicad.hpgl", name), 0);
    ASSERT_EQ(Window().MainDoc().Count(), 2);
    EXPECT_EQ(Window().MainDoc().ObjLayer(1), 1) << "pen 1 is the cut pen";
    EXPECT_FALSE(Status().contains("HP-GL/2"));
  }
}

TEST_F(Hpgl2OpenTest, APltFileThePltScannerTakesNothingFromIsReadAgainAndTheStatusBarSaysSo) {
  kw::test::NoModalExpected quiet;
  Window().mFileOpen(CopyDrawing("hpgl/kicad.plt", "kicad.plt"), 0);
  EXPECT_EQ(Window().MainDoc().Count(), 2);
  const QString note = kw::LanguageQText("frmMain", "ReadAsHpgl2").arg("kicad.plt");
  EXPECT_FALSE(note.isEmpty());
  EXPECT_EQ(Status(), note);
  // A file the scanner reads is not read again.
  Window().mFileOpen(CopyDrawing("plt/pens.plt", "pens.plt"), 0);
  EXPECT_EQ(Window().MainDoc().Count(), 3);
  EXPECT_NE(Status(), kw::LanguageQText("frmMain", "ReadAsHpgl2").arg("pens.plt"));
}

TEST_F(Hpgl2OpenTest, ImportAddsAnHp2FileAndTheDialogsOfferTheEndings) {
  kw::test::NoModalExpected quiet;
  Window().mFileOpen(CopyDrawing("plt/pens.plt", "pens.plt"), 0);
  Window().Files().ImportFile(CopyDrawing("hpgl/wrapped.hp2", "wrapped.hp2"));
  EXPECT_EQ(Window().MainDoc().Count(), 5);
  for (const QString& filter : {kw::LanguageQText("CODE", "0002"), kw::LanguageQText("frmMain", "ImportFilter")}) {
    for (const char* pattern : {"*.hpgl", "*.hpg;", "*.hp2"}) EXPECT_TRUE(filter.contains(pattern)) << pattern;
  }
}

}  // namespace
