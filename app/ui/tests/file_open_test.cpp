// Opening and importing drawings: each kind through its importer, the
// ending's case, unknown endings, unreadable files, the Open and Import
// dialogs, and a drawing dropped onto the window.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include "file_commands.h"
#include "machine/machine_settings.h"
#include "main_window_fixture.h"
#include "pathcore/path_obj.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"

namespace {

using kw::test::AnswerNextModal;
using kw::test::MessageText;
using kw::test::PressKeyOnModal;

class FileOpenTest : public kw::test::MainWindowTest {
 protected:
  QString Caption() { return QString(Window().windowTitle()).remove("[*]"); }
  // The caption of a document the user opened from `file`.
  static QString CaptionOf(const QString& file) { return kw::ProgramTitle() + "---" + file; }
  std::vector<int16_t> Layers() {
    std::vector<int16_t> layers;
    for (int32_t k = 1; k <= Window().MainDoc().Count(); ++k) layers.push_back(Window().MainDoc().ObjLayer(k));
    return layers;
  }
  // Opens with the toolbar's Open button, typing the name into the dialog.
  void OpenWithDialog(const QString& file) {
    const auto answered = AnswerNextModal([file](QWidget& dialog) { kw::test::TypeFileName(dialog, file); });
    kw::test::ClickToolbarButton(Window().TB(), Window().TbButton("OPEN"));
    EXPECT_TRUE(*answered);
  }
  // Makes the document differ from its file.
  void Modify() {
    PressKey(Qt::Key_Home);  // the first path
    kw::test::ClickToolbarButton(Window().TB(), Window().TbButton("SETPEN"));
    ASSERT_TRUE(Window().Modified());
  }
};

TEST(FileKind, IsTheLowerCasedEndingOrAiOfTheLastTwoCharacters) {
  EXPECT_EQ(kw::FileKind("/a/PLATE.DXF"), "dxf");
  EXPECT_EQ(kw::FileKind("/a/b.Plt"), "plt");
  EXPECT_EQ(kw::FileKind("/a/b.rpt"), "rpt");
  EXPECT_EQ(kw::FileKind("/a/b.AI"), "ai");
  EXPECT_EQ(kw::FileKind("/a/b.Svg"), "svg");
  EXPECT_EQ(kw::FileKind("/a/thai"), "ai") << "no dot needed";
  EXPECT_EQ(kw::FileKind("/a/b.txt"), "");
  EXPECT_EQ(kw::FileKind("xy"), "");
}

TEST(DialogFilter, TurnsTextAndPatternPairsIntoQtFilters) {
  EXPECT_EQ(kw::DialogFilter("Drawings|*.dxf;*.plt|Projects (*.rpt)|*.rpt|"),
            "Drawings (*.dxf *.plt);;Projects (*.rpt) (*.rpt)");
  EXPECT_EQ(kw::DialogFilter(""), "");
}

TEST_F(FileOpenTest, EachKindOfDrawingOpensThroughItsImporter) {
  kw::Settings().PltCutStr = "1";
  kw::Settings().DxfCutStr = "0";
  const QString bitmap = WriteFile("mark.bmp", kw::test::OneBitBitmap(40, 20));
  struct Case {
    QString file;
    int32_t paths;
  };
  const Case cases[] = {{CopyDrawing("dxf/plate_r12.dxf", "plate.dxf"), 17},
                        {CopyDrawing("plt/pens.plt", "pens.plt"), 3},
                        {CopyDrawing("ai/shapes.ai", "shapes.ai"), 2},
                        {CopyDrawing("dst/zigzag.dst", "zigzag.dst"), 3},
                        {CopyDrawing("svg/transforms.svg", "transforms.svg"), 3},
                        {bitmap, 1}};
  kw::test::NoModalExpected quiet;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.toStdString());
    Window().mFileOpen(c.file, 0);
    kw::pathcore::CPathObj& doc = Window().MainDoc();
    ASSERT_EQ(doc.Count(), c.paths);
    EXPECT_NEAR(doc.Xmax(), 0, 1e-3) << "moved to the origin";
    EXPECT_NEAR(doc.Ymin(), 0, 1e-3);
    EXPECT_EQ(Caption(), CaptionOf(c.file));
    EXPECT_EQ(Window().MruNames.front(), c.file.toStdString());
    EXPECT_FALSE(Window().Modified());
    EXPECT_TRUE(Window().ProjectFileName().isEmpty());
    EXPECT_TRUE(Enabled("AutoS"));
    EXPECT_FALSE(Enabled("SAVE"));
    EXPECT_FALSE(Enabled("UNDO"));
  }
  Window().mFileOpen(cases[0].file, 0);
  EXPECT_EQ(Layers(), std::vector<int16_t>(17, 1)) << "layer 0 of the drawing is the cut layer named";
  Window().mFileOpen(cases[1].file, 0);
  EXPECT_EQ(Layers(), (std::vector<int16_t>{1, 1, 0})) << "pen 1 is the cut pen named";
}

TEST_F(FileOpenTest, TheOpenDialogOpensTheChosenFileAndCancellingChangesNothing) {
  const QString plate = CopyDrawing("dxf/plate_r12.dxf", "plate.dxf");
  OpenWithDialog(plate);
  EXPECT_EQ(Window().MainDoc().Count(), 17);
  EXPECT_EQ(Caption(), CaptionOf(plate));

  const auto answered = AnswerNextModal([](QWidget& dialog) { PressKeyOnModal(dialog, Qt::Key_Escape); });
  kw::test::ClickToolbarButton(Window().TB(), Window().TbButton("OPEN"));
  EXPECT_TRUE(*answered);
  EXPECT_EQ(Window().MainDoc().Count(), 17);
  EXPECT_EQ(Caption(), CaptionOf(plate));
}

TEST_F(FileOpenTest, AnUpperCasePltEndingStillReadsHpgl) {
  const QString file = CopyDrawing("plt/pens.plt", "PENS.PLT");
  kw::test::NoModalExpected quiet;
  Window().mFileOpen(file, 0);
  EXPECT_EQ(Window().MainDoc().Count(), 3);
}

TEST_F(FileOpenTest, AnUnknownEndingGivesAnEmptyDocumentAndANoteInTheStatusBar) {
  Window().mFileOpen(CopyDrawing("dxf/plate_r12.dxf", "plate.dxf"), 0);
  const QString file = CopyDrawing("dxf/plate_r12.dxf", "plate.dxf.txt");
  {
    kw::test::NoModalExpected quiet;
    Window().mFileOpen(file, 0);
  }
  EXPECT_EQ(Window().MainDoc().Count(), 0);
  EXPECT_TRUE(Window().statusBar()->currentMessage().contains("plate.dxf.txt"));
  EXPECT_FALSE(Window().Modified());
  EXPECT_FALSE(Enabled("AutoS"));
}

TEST_F(FileOpenTest, AnUnreadableFileLeavesANewDocumentAndSaysSo) {
  Window().mFileOpen(CopyDrawing("dxf/plate_r12.dxf", "plate.dxf"), 0);
  const auto before = Window().MruNames;
  QString shown;
  const auto answered = AnswerNextModal([&shown](QWidget& box) {
    shown = MessageText(box);
    PressKeyOnModal(box, Qt::Key_Return);
  });
  Window().mFileOpen(InFolder("missing.plt").c_str(), 0);
  EXPECT_TRUE(*answered);
  EXPECT_EQ(shown, kw::LanguageQText("MSGBOX", "0012"));
  EXPECT_EQ(Window().MainDoc().Count(), 0);
  EXPECT_EQ(Caption(), kw::ProgramTitle() + "---" + kw::LanguageQText("CODE", "0005"));
  EXPECT_EQ(Window().MruNames, before);
  EXPECT_FALSE(Window().Modified());
}

TEST_F(FileOpenTest, ARefusedDxfVersionIsExplainedInTheUsersLanguage) {
  const QString file = CopyDrawing("dxf/line_r2007.dxf", "line.dxf");
  QString shown;
  const auto answered = AnswerNextModal([&shown](QWidget& box) {
    shown = MessageText(box);
    PressKeyOnModal(box, Qt::Key_Return);
  });
  Window().mFileOpen(file, 0);
  EXPECT_TRUE(*answered);
  EXPECT_EQ(shown, kw::LanguageQText("LIBRARY", "DxfVersion"));
  EXPECT_EQ(Window().MainDoc().Count(), 0);
  EXPECT_TRUE(Window().statusBar()->currentMessage().contains("line.dxf"));
}

TEST_F(FileOpenTest, ImportAddsToTheOpenDocument) {
  const QString plate = CopyDrawing("dxf/plate_r12.dxf", "plate.dxf");
  const QString pens = CopyDrawing("plt/pens.plt", "pens.plt");
  Window().mFileOpen(plate, 0);
  const auto answered = AnswerNextModal([pens](QWidget& dialog) { kw::test::TypeFileName(dialog, pens); });
  kw::test::ClickMenuItem(Window(), "mnuFileInput");
  ASSERT_TRUE(*answered);
  EXPECT_EQ(Window().MainDoc().Count(), 20);
  EXPECT_NEAR(Window().MainDoc().Xmax(), 0, 1e-3);
  EXPECT_EQ(Caption(), CaptionOf(pens));
  EXPECT_EQ(Window().MruNames, std::vector<std::string>{plate.toStdString()}) << "an import is no recent file";
  EXPECT_TRUE(Window().Modified()) << "the document no longer matches any file";
  EXPECT_TRUE(Enabled("SAVE"));

  // Import takes drawings only, and an unreadable one costs nothing already there.
  Window().Files().ImportFile(WriteFile("mark.bmp", kw::test::OneBitBitmap(8, 8)));
  EXPECT_EQ(Window().MainDoc().Count(), 20);
  const auto failed = AnswerNextModal([](QWidget& box) { PressKeyOnModal(box, Qt::Key_Return); });
  Window().Files().ImportFile(InFolder("missing.dxf").c_str());
  EXPECT_TRUE(*failed);
  EXPECT_EQ(Window().MainDoc().Count(), 20);
}

TEST_F(FileOpenTest, AnSvgImportsOntoTheCutLayerAndOneThatIsNoSvgCostsNothing) {
  Window().mFileOpen(CopyDrawing("dxf/plate_r12.dxf", "plate.dxf"), 0);
  const QString svg = CopyDrawing("svg/transforms.svg", "transforms.svg");
  const auto answered = AnswerNextModal([svg](QWidget& dialog) { kw::test::TypeFileName(dialog, svg); });
  kw::test::ClickMenuItem(Window(), "mnuFileInput");
  ASSERT_TRUE(*answered);
  ASSERT_EQ(Window().MainDoc().Count(), 20);
  EXPECT_EQ(Window().MainDoc().ObjLayer(20), 1);
  const auto failed = AnswerNextModal([](QWidget& box) { PressKeyOnModal(box, Qt::Key_Return); });
  Window().Files().ImportFile(CopyDrawing("svg/not_svg.svg", "not_svg.svg"));
  EXPECT_TRUE(*failed);
  EXPECT_EQ(Window().MainDoc().Count(), 20);
}

TEST_F(FileOpenTest, ADroppedDrawingOpensAfterTheSavePrompt) {
  Window().mFileOpen(CopyDrawing("dxf/plate_r12.dxf", "plate.dxf"), 0);
  Modify();
  const QString pens = CopyDrawing("plt/pens.plt", "pens.plt");
  auto mime = std::make_unique<QMimeData>();
  mime->setUrls({QUrl::fromLocalFile(pens)});
  QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
  QApplication::sendEvent(&Window(), &enter);
  ASSERT_TRUE(enter.isAccepted());

  QString asked;
  const auto answered = AnswerNextModal([&asked](QWidget& box) {
    asked = MessageText(box);
    PressKeyOnModal(box, Qt::Key_N);
  });
  QDropEvent drop(QPointF(200, 200), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
  QApplication::sendEvent(&Window(), &drop);
  EXPECT_TRUE(drop.isAccepted());
  QTRY_COMPARE(Window().MainDoc().Count(), 3);
  EXPECT_TRUE(*answered);
  EXPECT_EQ(asked, kw::LanguageQText("MSGBOX", "0010"));
  EXPECT_EQ(Caption(), CaptionOf(pens));

  mime->setUrls({QUrl("https://example.invalid/a.plt")});
  QDragEnterEvent remote(QPoint(200, 200), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
  remote.setAccepted(false);
  QApplication::sendEvent(&Window(), &remote);
  EXPECT_FALSE(remote.isAccepted()) << "only files on this machine";
}

}  // namespace
