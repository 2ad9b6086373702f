// The three machine dialogs against the language files: every control with a
// caption has a text in both files, and the Chinese file gives the captions
// the dialogs are known by.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "dialog_test_support.h"
#include "dialogs/f_go_home.h"
#include "dialogs/set_m.h"
#include "dialogs/tool_setting.h"
#include "machine/profile_file.h"

namespace {

QString CaptionOf(const QObject& control) {
  if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
  if (auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
  return {};
}

// "file:section/key" for every captioned control of form without a text, and for a missing title.
std::string MissingKeys(const QWidget& form, const std::string& section) {
  std::string missing;
  std::vector<std::string> keys{"Title"};
  for (const QObject* child : form.findChildren<QObject*>()) {
    const QString name = child->objectName();
    if (!name.isEmpty() && !name.startsWith("qt_") && !CaptionOf(*child).isEmpty()) keys.push_back(name.toStdString());
  }
  if (auto* tabs = form.findChild<QTabWidget*>()) {
    for (int i = 0; i < tabs->count(); ++i) keys.push_back(tabs->objectName().toStdString() + std::to_string(i));
  }
  for (const char* file : {"Language0.sys", "Language1.sys"}) {
    for (const std::string& key : keys) {
      if (kw::ReadIni(std::filesystem::path(KW_LANG_DIR) / file, section, key, "").empty())
        missing += " " + std::string(file) + ":" + section + "/" + key;
    }
  }
  return missing;
}

class MachineDialogLanguage : public kw::test::GuiTest {
 protected:
  kw::AxisnetLibrary library_{KW_AXISNET_LIBRARY};
  kw::CYdkz ydkz_{library_, kw::Settings()};
};

TEST_F(MachineDialogLanguage, EveryCaptionHasATextInBothFiles) {
  kw::SetM parameters;
  kw::ToolSetting tools(ydkz_);
  kw::FGoHome homing(ydkz_);
  EXPECT_EQ(MissingKeys(parameters, "SetM"), "");
  EXPECT_EQ(MissingKeys(tools, "ToolSetting"), "");
  EXPECT_EQ(MissingKeys(homing, "FGoHome"), "");
}

TEST_F(MachineDialogLanguage, ChineseCaptions) {
  kw::Settings().LanguageI = 0;
  kw::SetM parameters;
  kw::test::Show(parameters);
  kw::ToolSetting tools(ydkz_);
  kw::FGoHome homing(ydkz_);
  using kw::test::Child;
  EXPECT_EQ(parameters.windowTitle(), "控制器参数");
  EXPECT_EQ(Child<QLabel>(parameters, "Lhome0").text(), "加工幅面宽：");
  EXPECT_EQ(Child<QLabel>(parameters, "Lhome1").text(), "加工幅面高：");
  EXPECT_EQ(Child<QAbstractButton>(parameters, "CInput").text(), "导入");
  EXPECT_EQ(Child<QAbstractButton>(parameters, "COutput").text(), "导出");
  EXPECT_EQ(tools.windowTitle(), "刀/笔设置");
  EXPECT_EQ(Child<QAbstractButton>(tools, "Cmz").text(), "正");
  EXPECT_EQ(Child<QAbstractButton>(tools, "Cmf").text(), "反");
  EXPECT_EQ(Child<QAbstractButton>(tools, "CSet6").text(), "设为当前");
  EXPECT_EQ(Child<QAbstractButton>(tools, "COffsetTest").text(), "偏移测试");
  EXPECT_EQ(homing.windowTitle(), "机械复位");
  for (int n : {0, 1}) {
    const auto file = std::filesystem::path(KW_LANG_DIR) / (n == 0 ? "Language0.sys" : "Language1.sys");
    for (const char* key : {"0027", "0028", "0029", "0030"}) EXPECT_FALSE(kw::ReadIni(file, "MSGBOX", key, "").empty());
  }
  EXPECT_EQ(kw::ReadIni(std::filesystem::path(KW_LANG_DIR) / "Language0.sys", "SetM", "FileFilter", ""),
            "激光设备参数文件（*.Les）|*.Les");
}

}  // namespace
