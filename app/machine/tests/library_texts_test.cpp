#include "machine/library_texts.h"

#include <gtest/gtest.h>

#include <set>

#include "machine/language_files.h"
#include "machine/profile_file.h"
#include "machine_test_support.h"
#include "testsupport/test_drawings.h"

namespace {

// Every text a document raises, messages and progress steps alike.
class TextCollector : public kw::pathcore::CPathObjEvents {
 public:
  void Message(const std::string& Text) override { texts.insert(Text); }
  void Jd(int32_t, int32_t, const std::string& MS) override { texts.insert(MS); }
  void GetCutLayer(int16_t, bool& Enabled) override { Enabled = true; }
  std::set<std::string> texts;
};

// The texts the libraries raise in one of their languages, found by making
// them raise them: a refused DXF, an unopenable PLT and the long operations.
std::set<std::string> RaisedTexts(int16_t language) {
  kw::pathcore::CPathObj doc;
  TextCollector collector;
  doc.SetEvents(&collector);
  doc.SetLang(language);
  doc.DxfInput(kw::test::OwnDrawing("dxf/line_r2007.dxf"), "0");
  doc.PltInput(kw::test::OwnDrawing("plt/no-such-file.plt"), "4");
  kw::test::Add(doc, {{0, 0}, {50, 0}, {50, 50}, {0, 50}, {0, 0}});
  kw::test::Add(doc, {{10, 10}, {20, 10}, {20, 20}, {10, 10}});
  kw::test::Add(doc, {{20, 20}, {30, 25}, {31, 40}});
  kw::test::Add(doc, {{31, 40}, {35, 45}});
  doc.ZL();
  doc.AutoTree();
  doc.SelectEdge(0.1f);
  doc.AutoS();
  doc.SelAll();
  doc.ZLSelLmt();
  doc.Hb(0.05);
  doc.SmoothObj();
  doc.DaSan();
  std::vector<int16_t> sort(15), types(15, 0);
  for (int16_t i = 0; i < 15; ++i) sort[static_cast<size_t>(i)] = i;
  float ox = 0, oy = 0, r = 0;
  doc.GetWorkDat_Layer(40, 40, 14, sort, types, ox, oy, r, 1);
  doc.SetLang(0);
  doc.SetEvents(nullptr);
  return collector.texts;
}

class LibraryTextsTest : public kw::test::ProgramFolderTest {
 protected:
  void CopyShippedLanguages() {
    for (int n : {0, 1}) {
      std::filesystem::copy_file(std::filesystem::path(KW_LANG_DIR) / ("Language" + std::to_string(n) + ".sys"),
                                 kw::LanguageFile(n));
    }
  }
  void TearDown() override {
    kw::Settings() = kw::MachineSettings{};
    kw::test::ProgramFolderTest::TearDown();
  }
};

// Catches a library wording that changed under the table, and a key one of
// the shipped files lacks.
TEST_F(LibraryTextsTest, EveryTextTheLibrariesRaiseHasAKeyInBothLanguages) {
  CopyShippedLanguages();
  for (int16_t libraryLanguage : {0, 1}) {
    const auto raised = RaisedTexts(libraryLanguage);
    EXPECT_GE(raised.size(), 8u) << libraryLanguage;  // the operations above did raise their texts
    for (const auto& text : raised) {
      const auto key = kw::LibraryTextKey(text);
      ASSERT_TRUE(key) << text;
      for (int n : {0, 1}) {
        EXPECT_FALSE(kw::ReadIni(kw::LanguageFile(n), "LIBRARY", *key, "").empty()) << n << " " << *key;
      }
    }
  }
}

TEST_F(LibraryTextsTest, TextsFollowTheLanguageInUse) {
  CopyShippedLanguages();
  const std::string chinese = "该DXF文件必须为AutoCAD R12 或 AutoCAD R14 或AutoCAD 2000格式!";
  const std::string english = "This document musts be the AutoCAD R12 or AutoCAD R14 or AutoCAD 2000 format!";
  EXPECT_EQ(kw::LibraryTextKey(chinese), "DxfVersion");
  EXPECT_EQ(kw::LibraryTextKey(english), "DxfVersion");
  EXPECT_EQ(kw::LibraryTextKey("打开失败！"), "PltOpenFailed");
  kw::Settings().LanguageI = 0;
  EXPECT_EQ(kw::LibraryText(english), chinese);  // the Chinese file keeps the library's wording
  EXPECT_EQ(kw::LibraryText("打开失败！"), "打开失败！");
  kw::Settings().LanguageI = 1;
  EXPECT_EQ(kw::LibraryText(chinese), "The DXF file must be in AutoCAD R12, AutoCAD R14 or AutoCAD 2000 format.");
  EXPECT_EQ(kw::LibraryText("打开失败！"), "The file could not be opened.");
  EXPECT_EQ(kw::LibraryText("正在生成数据"), "Generating work data");
}

TEST_F(LibraryTextsTest, OtherTextsAndMissingEntriesPassThrough) {
  kw::test::WriteFile(kw::LanguageFile(0), "[Language]\nName=Bare\n[LIBRARY]\nPltOpenFailed=\n");
  kw::Settings().LanguageI = 0;
  EXPECT_EQ(kw::LibraryTextKey("somebody else's text"), std::nullopt);
  EXPECT_EQ(kw::LibraryTextKey(""), std::nullopt);
  EXPECT_EQ(kw::LibraryText("somebody else's text"), "somebody else's text");
  EXPECT_EQ(kw::LibraryText("打开失败！"), "打开失败！");  // an empty entry
  EXPECT_EQ(kw::LibraryText("光滑化"), "光滑化");          // no entry
  kw::Settings().LanguageI = 3;                           // no such file
  EXPECT_EQ(kw::LibraryText("Smooth"), "Smooth");
}

}  // namespace
