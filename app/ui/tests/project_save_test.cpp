// Saving: the project file as written and read back, the older project
// version, a save that cannot be written, the save prompt's three answers,
// Save As, and the Properties box.
#include <unistd.h>

#include <QAction>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <filesystem>

#include "file_commands.h"
#include "machine/layer_tables.h"
#include "main_window_fixture.h"
#include "pathcore/path_obj.h"
#include "support/basic_text.h"
#include "support/byte_writer.h"
#include "testsupport/test_drawings.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"

namespace {

using kw::test::AnswerNextModal;
using kw::test::FileBytes;
using kw::test::MessageText;
using kw::test::PressKeyOnModal;

int32_t I32At(const std::vector<uint8_t>& bytes, size_t at) {
  if (at + 4 > bytes.size()) return -1;
  return static_cast<int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                              static_cast<uint32_t>(bytes[at + 3]) << 24);
}

std::vector<uint8_t> CutLayerImage() {
  std::vector<uint8_t> bytes;
  int32_t size = 0;
  kw::CutLayers().GetBin(bytes, size);
  return bytes;
}

std::vector<uint8_t> LayerMapImage() {
  std::vector<uint8_t> bytes;
  int32_t size = 0;
  kw::LayerMap().GetBin(bytes, size);
  return bytes;
}

class ProjectSaveTest : public kw::test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    plate_ = CopyDrawing("dxf/plate_r12.dxf", "plate.dxf");
  }
  QString Caption() { return QString(Window().windowTitle()).remove("[*]"); }
  QString Project(const std::string& name) const { return QString::fromStdString(InFolder(name).string()); }

  // Save As from the File menu, typing the name into the dialog.
  void SaveAsTyping(const QString& typed) {
    const auto answered = AnswerNextModal([typed](QWidget& dialog) { kw::test::TypeFileName(dialog, typed); });
    kw::test::ClickMenuItem(Window(), "mnuFileSaveAs");
    EXPECT_TRUE(*answered);
  }
  // The plate opened and saved as the project job.rpt.
  QString SavedPlate() {
    Window().mFileOpen(plate_, 0);
    SaveAsTyping(Project("job"));
    return Project("job.rpt");
  }
  // Deletes the first path, so the document differs from its file.
  void DeleteFirstPath() {
    PressKey(Qt::Key_Home);
    QTest::mouseClick(qobject_cast<QWidget*>(Window().Control("CPDel")), Qt::LeftButton);
    ASSERT_TRUE(Window().Modified());
  }
  // Runs New from the toolbar and answers its save prompt with `key`;
  // the prompt's title and text are checked.
  void NewAnswering(Qt::Key key) {
    const auto answered = AnswerNextModal([key](QWidget& box) {
      EXPECT_EQ(MessageText(box), kw::LanguageQText("MSGBOX", "0010"));
      EXPECT_EQ(box.windowTitle(), kw::LanguageQText("MSGBOX", "0011"));
      PressKeyOnModal(box, key);
    });
    kw::test::ClickToolbarButton(Window().TB(), Window().TbButton("NEW"));
    EXPECT_TRUE(*answered);
  }
  // Saves with Ctrl+S where the save cannot be written, answering the box.
  QString FailingSave() {
    QString shown;
    const auto answered = AnswerNextModal([&shown](QWidget& box) {
      shown = MessageText(box);
      PressKeyOnModal(box, Qt::Key_Return);
    });
    PressKeys(QKeySequence::Save);
    EXPECT_TRUE(*answered);
    return shown;
  }

  QString plate_;
};

TEST_F(ProjectSaveTest, SaveAsWritesAProjectThatReopensAndSavesByteForByte) {
  const QString job = SavedPlate();
  ASSERT_TRUE(std::filesystem::is_regular_file(job.toStdString())) << "the ending was added";
  EXPECT_EQ(Window().ProjectFileName(), job);
  EXPECT_EQ(Caption(), kw::ProgramTitle() + "---" + job);
  EXPECT_FALSE(Window().Modified());

  const std::vector<uint8_t> saved = FileBytes(job);
  ASSERT_GE(saved.size(), 8u);
  EXPECT_EQ(std::vector<uint8_t>(saved.begin(), saved.begin() + 8),
            (std::vector<uint8_t>{0x57, 0x45, 0x4C, 0x00, 0x03, 0x00, 0x00, 0x00}));
  const auto n1 = static_cast<size_t>(I32At(saved, 8));
  EXPECT_EQ(I32At(saved, 12 + n1), 516);
  EXPECT_EQ(I32At(saved, 16 + n1 + 516), 94);
  EXPECT_EQ(saved.size(), 20 + n1 + 516 + 94);
  const std::vector<uint8_t> document = kw::test::DocumentImage(Window().MainDoc());

  kw::test::ClickToolbarButton(Window().TB(), Window().TbButton("NEW"));
  ASSERT_EQ(Window().MainDoc().Count(), 0);
  EXPECT_TRUE(Window().ProjectFileName().isEmpty());
  Window().mFileOpen(job, 0);
  EXPECT_EQ(Window().MainDoc().Count(), 17);
  EXPECT_EQ(Window().ProjectFileName(), job);
  EXPECT_EQ(kw::test::DocumentImage(Window().MainDoc()), document);

  SaveAsTyping(Project("again.rpt"));
  EXPECT_EQ(FileBytes(Project("again.rpt")), saved) << "no second ending, the same bytes";
  EXPECT_EQ(Window().ProjectFileName(), Project("again.rpt"));

  const auto cancelled = AnswerNextModal([](QWidget& dialog) { PressKeyOnModal(dialog, Qt::Key_Escape); });
  kw::test::ClickMenuItem(Window(), "mnuFileSaveAs");
  EXPECT_TRUE(*cancelled);
  EXPECT_EQ(Window().ProjectFileName(), Project("again.rpt"));
}

TEST_F(ProjectSaveTest, SaveAsGivesAnyOtherEndingTheProjectsSoSaveWritesItAgain) {
  Window().mFileOpen(plate_, 0);
  SaveAsTyping(Project("notes.txt"));
  const QString notes = Project("notes.txt.rpt");
  EXPECT_EQ(Window().ProjectFileName(), notes);
  EXPECT_FALSE(std::filesystem::exists(InFolder("notes.txt")));
  DeleteFirstPath();
  PressKeys(QKeySequence::Save);
  EXPECT_FALSE(Window().Modified());
  Window().mFileOpen(notes, 0);
  EXPECT_EQ(Window().MainDoc().Count(), 16);
}

TEST_F(ProjectSaveTest, AnImportUnlinksTheProjectUnlessItFails) {
  const QString job = SavedPlate();
  const auto failed = AnswerNextModal([](QWidget& box) { PressKeyOnModal(box, Qt::Key_Return); });
  Window().Files().ImportFile(Project("missing.dxf"));
  EXPECT_TRUE(*failed);
  EXPECT_EQ(Window().ProjectFileName(), job);
  EXPECT_EQ(Window().MainDoc().Count(), 17);
  EXPECT_FALSE(Window().Modified());

  Window().Files().ImportFile(CopyDrawing("plt/pens.plt", "pens.plt"));
  EXPECT_TRUE(Window().ProjectFileName().isEmpty());
  EXPECT_TRUE(Window().Modified());
  // Saving now asks for a name rather than overwrite the project with more than it held.
  const auto asked = AnswerNextModal([](QWidget& dialog) {
    EXPECT_TRUE(dialog.inherits("QFileDialog"));
    PressKeyOnModal(dialog, Qt::Key_Escape);
  });
  PressKeys(QKeySequence::Save);
  EXPECT_TRUE(*asked);
}

TEST_F(ProjectSaveTest, AProjectBringsItsLayerTablesAndAnOlderOneLeavesThemAlone) {
  kw::CutLayers().Speed(3, 42.5f);
  kw::LayerMap().LayerType(4, 2);
  const auto cutLayers = CutLayerImage(), layerMap = LayerMapImage();
  const QString job = SavedPlate();

  kw::CutLayers() = kw::CCutLayer{};
  kw::LayerMap() = kw::CLayerMap{};
  Window().mFileOpen(job, 0);
  EXPECT_EQ(CutLayerImage(), cutLayers);
  EXPECT_EQ(LayerMapImage(), layerMap);

  // Version 2 held the document only.
  kw::pathcore::CPathObj pens;
  pens.PltInput(kw::test::OwnDrawing("plt/pens.plt"), "4");
  const std::vector<uint8_t> document = kw::test::DocumentImage(pens);
  kw::ByteWriter v2;
  v2.U32(0x004C4557);
  v2.I32(2);
  v2.I32(static_cast<int32_t>(document.size()));
  v2.Bytes(document);
  const QString old = WriteFile("old.rpt", v2.Take());
  kw::CutLayers() = kw::CCutLayer{};
  kw::LayerMap().LayerType(7, 1);
  const auto keptCutLayers = CutLayerImage(), keptLayerMap = LayerMapImage();
  Window().mFileOpen(old, 0);
  EXPECT_EQ(Window().MainDoc().Count(), 3);
  EXPECT_EQ(Window().ProjectFileName(), old);
  EXPECT_EQ(CutLayerImage(), keptCutLayers);
  EXPECT_EQ(LayerMapImage(), keptLayerMap);
}

TEST_F(ProjectSaveTest, AFailedSaveKeepsTheOldFileAndTheModifiedMark) {
  const QString job = SavedPlate();
  const std::vector<uint8_t> saved = FileBytes(job);
  DeleteFirstPath();
  // The save writes beside the file first; a folder in that place stops it.
  std::filesystem::create_directory(job.toStdString() + ".part");

  EXPECT_TRUE(FailingSave().contains(job));
  EXPECT_EQ(FileBytes(job), saved);
  EXPECT_TRUE(Window().Modified());
  EXPECT_TRUE(Enabled("SAVE"));

  // Closing with "save" where the save fails keeps the window.
  const auto asked = AnswerNextModal([](QWidget& box) {
    AnswerNextModal([](QWidget& failure) { PressKeyOnModal(failure, Qt::Key_Return); });
    PressKeyOnModal(box, Qt::Key_Y);
  });
  EXPECT_FALSE(Window().close());
  EXPECT_TRUE(*asked);
  EXPECT_TRUE(Window().isVisible());

  std::filesystem::remove(job.toStdString() + ".part");
  PressKeys(QKeySequence::Save);
  EXPECT_FALSE(Window().Modified());
  EXPECT_NE(FileBytes(job), saved);
  EXPECT_FALSE(Enabled("SAVE"));
}

TEST_F(ProjectSaveTest, ASaveIntoAReadOnlyFolderFails) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  const auto folder = InFolder("locked");
  std::filesystem::create_directory(folder);
  Window().mFileOpen(plate_, 0);
  SaveAsTyping(QString::fromStdString((folder / "job").string()));
  const QString job = QString::fromStdString((folder / "job.rpt").string());
  const std::vector<uint8_t> saved = FileBytes(job);
  ASSERT_FALSE(saved.empty());
  DeleteFirstPath();
  std::filesystem::permissions(folder, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  EXPECT_TRUE(FailingSave().contains(job));
  std::filesystem::permissions(folder, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  EXPECT_EQ(FileBytes(job), saved);
  EXPECT_TRUE(Window().Modified());
}

TEST_F(ProjectSaveTest, TheSavePromptSavesDiscardsOrCancels) {
  const QString job = SavedPlate();
  const std::vector<uint8_t> saved = FileBytes(job);
  DeleteFirstPath();

  NewAnswering(Qt::Key_Escape);
  EXPECT_EQ(Window().MainDoc().Count(), 16) << "cancelled: the document stays";
  EXPECT_TRUE(Window().Modified());
  EXPECT_EQ(Window().ProjectFileName(), job);

  NewAnswering(Qt::Key_N);
  EXPECT_EQ(Window().MainDoc().Count(), 0);
  EXPECT_FALSE(Window().Modified());
  EXPECT_EQ(Caption(), kw::ProgramTitle() + "---" + kw::LanguageQText("CODE", "0005"));
  EXPECT_EQ(FileBytes(job), saved) << "not saved";

  Window().mFileOpen(job, 0);
  DeleteFirstPath();
  NewAnswering(Qt::Key_Y);
  EXPECT_EQ(Window().MainDoc().Count(), 0);
  EXPECT_FALSE(Window().Modified());
  EXPECT_TRUE(Window().ProjectFileName().isEmpty());
  Window().mFileOpen(job, 0);
  EXPECT_EQ(Window().MainDoc().Count(), 16) << "saved before the new document";
}

TEST_F(ProjectSaveTest, TheSavePromptGuardsClosingToo) {
  const QString job = SavedPlate();
  const std::vector<uint8_t> saved = FileBytes(job);
  DeleteFirstPath();
  const auto cancelled = AnswerNextModal([](QWidget& box) { PressKeyOnModal(box, Qt::Key_Escape); });
  EXPECT_FALSE(Window().close());
  EXPECT_TRUE(*cancelled);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_TRUE(Window().Modified());

  const auto discarded = AnswerNextModal([](QWidget& box) { PressKeyOnModal(box, Qt::Key_N); });
  kw::test::ClickMenuItem(Window(), "mnuFileExit");
  EXPECT_TRUE(*discarded);
  EXPECT_FALSE(Window().isVisible());
  EXPECT_EQ(FileBytes(job), saved);
}

TEST_F(ProjectSaveTest, PropertiesShowsTheFourFiguresOfTheDocumentAndTheJobTime) {
  Window().mFileOpen(plate_, 0);
  QStringList lines;
  const auto answered = AnswerNextModal([&lines](QWidget& box) {
    lines = MessageText(box).split('\n');
    PressKeyOnModal(box, Qt::Key_Return);
  });
  kw::test::ClickMenuItem(Window(), "mnuFileProperties");
  ASSERT_TRUE(*answered);
  ASSERT_EQ(lines.size(), 5);
  kw::pathcore::CPathObj& doc = Window().MainDoc();
  const QString figures[] = {"17(pcs)", QString("%1(pcs)").arg(doc.SubCount()),
                             QString::fromStdString(kw::TextOfSingle(doc.ObjLong()) + "(mm)"),
                             QString::fromStdString(kw::TextOfSingle(doc.MoveLong()) + "(mm)")};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(lines[i].endsWith(figures[i])) << lines[i].toStdString();
    EXPECT_GT(lines[i].size(), figures[i].size()) << "each figure has its label";
  }
  EXPECT_GT(doc.ObjLong(), 100.0f);
  // A plate of more than 100 mm of cuts takes whole seconds at any working speed.
  EXPECT_TRUE(lines[4].contains(QRegularExpression("^Job time about=[1-9][0-9]*\\(s\\)$"))) << lines[4].toStdString();
}

}  // namespace
