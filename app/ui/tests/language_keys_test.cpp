// The shipped language files against each other and against the window: every
// key in both files, every captioned control with a text in both, and the
// language menu putting those texts on the controls.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "dialogs/f_about.h"
#include "dialogs/f_mm.h"
#include "dialogs/f_op.h"
#include "dialogs/f_weed_box.h"
#include "dialogs/f_weed_lines.h"
#include "frm_main.h"
#include "gui_test_support.h"
#include "machine/profile_file.h"
#include "main_toolbars.h"

namespace {

const std::filesystem::path kLangDir = KW_LANG_DIR;
const char* const kFileNames[] = {"Language0.sys", "Language1.sys"};

std::string Lower(std::string text) {
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Every "section/key" of a language file, keyed as the reader matches them
// (without regard to ASCII case), mapped to the spelling in the file.
std::map<std::string, std::string> KeysOf(const std::filesystem::path& file) {
  std::map<std::string, std::string> keys;
  std::string section;
  const kw::ProfileText text = kw::ProfileText::Load(file);
  for (const std::string& raw : text.Lines()) {
    const std::string line = Trimmed(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      section = line.substr(1, line.find(']') - 1);
      keys[Lower(section)] = "[" + section + "]";
    } else if (const size_t eq = line.find('='); eq != std::string::npos) {
      const std::string shown = section + "/" + Trimmed(line.substr(0, eq));
      keys[Lower(shown)] = shown;
    }
  }
  return keys;
}

std::string Text(int n, const std::string& section, const std::string& key) {
  return kw::ReadIni(kLangDir / kFileNames[n], section, key, "");
}

QString QText(int n, const std::string& section, const std::string& key) {
  return QString::fromStdString(Text(n, section, key));
}

QString CaptionOf(const QObject& control) {
  if (auto* action = qobject_cast<const QAction*>(&control)) return action->isSeparator() ? QString() : action->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
  if (auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
  if (auto* menu = qobject_cast<const QMenu*>(&control)) return menu->title();
  return {};
}

// Controls whose caption the code sets itself, or that take a tooltip instead.
bool CaptionIsNotTheLanguageFiles(const QObject& control) {
  const QString name = control.objectName();
  if (name.startsWith("qt_") || name == "LblWeb" || name == "LblProgram") return true;
  if (name.startsWith("mnuFileMRU") || name.startsWith("mnuLanguageSet")) return true;
  // The machine panel's readings: head position and depth steps.
  if (name == "Lmx" || name == "Lmy" || name.startsWith("LZPOS")) return true;
  return qobject_cast<const QAction*>(&control) && qobject_cast<const QToolBar*>(control.parent());
}

// The named children of a form that show a caption of the language file.
std::vector<QObject*> CaptionedControls(const QWidget& form) {
  std::vector<QObject*> found;
  for (QObject* child : form.findChildren<QObject*>()) {
    if (child->objectName().isEmpty() || CaptionIsNotTheLanguageFiles(*child)) continue;
    if (!CaptionOf(*child).isEmpty()) found.push_back(child);
  }
  return found;
}

// Names of the captioned controls of form with no text in one of the files.
std::string MissingCaptionKeys(const QWidget& form, const std::string& section) {
  std::string missing;
  for (const QObject* control : CaptionedControls(form)) {
    const std::string name = control->objectName().toStdString();
    for (int n : {0, 1}) {
      if (Text(n, section, name).empty()) missing += " " + std::string(kFileNames[n]) + ":" + section + "/" + name;
    }
  }
  return missing;
}

std::vector<std::string> NamesOf(const std::vector<QObject*>& controls) {
  std::vector<std::string> names;
  for (const QObject* control : controls) names.push_back(control->objectName().toStdString());
  return names;
}

// ---- the files against each other

TEST(LanguageFileKeys, BothFilesHaveTheSameSectionsAndKeys) {
  const auto chinese = KeysOf(kLangDir / kFileNames[0]);
  const auto english = KeysOf(kLangDir / kFileNames[1]);
  std::string missing;
  for (const auto& [key, shown] : chinese) {
    if (!english.contains(key)) missing += "\n  " + shown + " is missing in Language1.sys";
  }
  for (const auto& [key, shown] : english) {
    if (!chinese.contains(key)) missing += "\n  " + shown + " is missing in Language0.sys";
  }
  EXPECT_TRUE(missing.empty()) << missing;
  EXPECT_TRUE(chinese.contains("frmmain/mnufile"));  // the reader above did find keys
}

// Texts the code splits or fills in: a translation that breaks their shape
// breaks a dialog's filter list or loses the file name.
TEST(LanguageFileKeys, FormattedTextsKeepTheirShape) {
  for (int n : {0, 1}) {
    for (const auto& [section, key] : std::vector<std::pair<std::string, std::string>>{
             {"CODE", "0002"}, {"CODE", "0004"}, {"frmMain", "ImportFilter"}}) {
      const QString filter = QText(n, section, key);
      ASSERT_TRUE(filter.endsWith('|')) << n << " " << key;
      const QStringList parts = filter.chopped(1).split('|');
      ASSERT_EQ(parts.size() % 2, 0) << n << " " << key;
      for (qsizetype i = 0; i < parts.size(); i += 2) {
        EXPECT_FALSE(parts[i].isEmpty()) << n << " " << key;
        EXPECT_TRUE(parts[i + 1].startsWith("*.")) << n << " " << key << " " << parts[i + 1].toStdString();
      }
    }
    EXPECT_TRUE(QText(n, "frmMain", "NoPaths").contains("%1")) << n;
    for (const char* key : {"ImportTitle", "PropPaths", "PropSubPaths", "PropCutLength", "PropTravelLength"}) {
      EXPECT_FALSE(Text(n, "frmMain", key).empty()) << n << " " << key;
    }
    EXPECT_FALSE(Text(n, "MSGBOX", "0025").empty()) << n;
    // Messages are sentences: a filter that landed among them by a shared key shows as one.
    for (int key = 1; key <= 26; ++key) {
      char name[8];
      std::snprintf(name, sizeof name, "%04d", key);
      EXPECT_EQ(Text(n, "MSGBOX", name).find('|'), std::string::npos) << n << " MSGBOX/" << name;
    }
  }
  EXPECT_EQ(Text(0, "frmMain", "PropPaths"), "路径总数=");
  EXPECT_EQ(Text(0, "frmMain", "PropSubPaths"), "子路径总数=");
  EXPECT_EQ(Text(0, "frmMain", "PropCutLength"), "线段总长度=");
  EXPECT_EQ(Text(0, "frmMain", "PropTravelLength"), "空移动总长度=");
}

// ---- the files against the window

using LanguageKeys = kw::test::GuiTest;

TEST_F(LanguageKeys, EveryCaptionedControlHasAKeyInBothFiles) {
  kw::frmMain window;
  kw::FOp options;
  kw::FMm password;
  kw::FAbout about;
  EXPECT_EQ(MissingCaptionKeys(window, "frmMain"), "");
  EXPECT_EQ(MissingCaptionKeys(options, "FOp"), "");
  EXPECT_EQ(MissingCaptionKeys(password, "FMm"), "");
  EXPECT_EQ(MissingCaptionKeys(about, "FAbout"), "");
  kw::FWeedBox weedBox;
  kw::FWeedLines weedLines;
  EXPECT_EQ(MissingCaptionKeys(weedBox, "FWeedBox"), "");
  EXPECT_EQ(MissingCaptionKeys(weedLines, "FWeedLines"), "");
  for (const char* form : {"FOp", "FMm", "FAbout", "FWeedBox", "FWeedLines"}) {
    for (int n : {0, 1}) EXPECT_FALSE(Text(n, form, "Title").empty()) << n << " " << form;
  }
  // The walk reaches menus, items, hidden items, panel buttons, group boxes and labels.
  const auto names = NamesOf(CaptionedControls(window));
  for (const char* name : {"mnuFile", "mnuFileExit", "mnuDebugOpenDat", "mnuSetLayer", "CPDel", "AutoSY", "FraFrames",
                           "CkDevice", "LWorkSpeed2"}) {
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
  }
  for (const char* name : {"TB_NEW", "mnuFileMRU0", "mnuFileBar1"}) {
    EXPECT_EQ(std::find(names.begin(), names.end(), name), names.end()) << name;
  }
  EXPECT_EQ(NamesOf(CaptionedControls(about)).size(), 3u);  // maker, licence, Close
}

TEST_F(LanguageKeys, EveryToolbarButtonHasATooltipInBothFiles) {
  kw::frmMain window;
  for (QToolBar* bar : {&window.TB(), &window.Tbb()}) {
    const std::string section = bar->objectName().toStdString();
    int keyed = 0;
    for (const QAction* action : bar->actions()) {
      const std::string key = kw::ButtonKey(*action);
      if (key.empty()) continue;
      ++keyed;
      for (int n : {0, 1}) EXPECT_FALSE(Text(n, section, key).empty()) << kFileNames[n] << " " << section << "/" << key;
    }
    EXPECT_EQ(keyed, section == "TB" ? 26 : 15) << section;
  }
}

// ---- the language menu

class LanguageMenu : public kw::test::GuiTest {
 protected:
  // Opens the Language menu with its mnemonic and takes entry n with the keys.
  static void ChooseByKeys(kw::frmMain& window, int n) {
    QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
    QWidget* popup = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (popup = QApplication::activePopupWidget()) != nullptr; }));
    ASSERT_EQ(popup->objectName(), "mnuLanguage");
    // Opened from the keyboard, the menu highlights its first entry.
    for (int k = 0; k < n; ++k) QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
  }

  static std::string WrongCaptions(const QWidget& form, const std::string& section, int n) {
    std::string wrong;
    for (const QObject* control : CaptionedControls(form)) {
      const std::string name = control->objectName().toStdString();
      if (CaptionOf(*control) != QText(n, section, name)) {
        wrong += " " + name + "=\"" + CaptionOf(*control).toStdString() + "\"";
      }
    }
    return wrong;
  }

  static void ExpectLanguage(kw::frmMain& window, const kw::FAbout& about, int n) {
    EXPECT_EQ(kw::Settings().LanguageI, n);
    EXPECT_EQ(WrongCaptions(window, "frmMain", n), "") << "language " << n;
    EXPECT_EQ(WrongCaptions(about, "FAbout", n), "") << "language " << n;
    EXPECT_EQ(about.windowTitle(), QText(n, "FAbout", "Title"));
    EXPECT_EQ(window.TbButton("ZOOMALL")->toolTip(), QText(n, "TB", "ZOOMALL"));
    EXPECT_EQ(window.Tbb().actions().front()->toolTip(), QText(n, "Tbb", "Layer1"));
    const QString title = QText(n, "CODE", "0000");
    EXPECT_TRUE(window.windowTitle().startsWith(title)) << window.windowTitle().toStdString();
    const auto entries = window.findChild<QMenu*>("mnuLanguage")->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_TRUE(entries[n]->isChecked());
    EXPECT_FALSE(entries[1 - n]->isChecked());
  }
};

TEST_F(LanguageMenu, ChoosingALanguageRecaptionsTheWindowAndItsOpenForms) {
  kw::frmMain window;
  window.BuildLanguageMenu();
  window.SetCaptionText({});
  kw::FAbout about;  // unparented, so the main window's own walk does not reach its labels
  about.show();
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  ChooseByKeys(window, 0);
  ExpectLanguage(window, about, 0);
  EXPECT_EQ(kw::ReadIni(InFolder("Setting.ini"), "Beamforge5", "LanguageI", ""), "0");

  ChooseByKeys(window, 1);
  ExpectLanguage(window, about, 1);
  EXPECT_EQ(kw::ReadIni(InFolder("Setting.ini"), "Beamforge5", "LanguageI", ""), "1");
}

}  // namespace
