#include "main_menus.h"

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <initializer_list>

#include "recent_files.h"

namespace kw {
namespace {

struct Item {
  const char* name;     // the control's name; empty: a separator
  const char* caption;  // design caption, English
  QKeySequence keys = {};
};

QIcon IconOf(const QString& name) {
  const QString file = QString(":/icons/%1.svg").arg(name);
  return QFile::exists(file) ? QIcon(file) : QIcon();
}

QMenu* AddMenu(QMainWindow& window, const char* name, const char* caption, std::initializer_list<Item> items) {
  auto* menu = window.menuBar()->addMenu(caption);
  menu->setObjectName(name);
  for (const Item& item : items) {
    QAction* action = std::string_view(item.name).starts_with("mnuFileBar") || *item.name == '\0'
                          ? menu->addSeparator()
                          : menu->addAction(IconOf(item.name), item.caption);
    action->setObjectName(item.name);
    if (!item.keys.isEmpty()) action->setShortcut(item.keys);
  }
  return menu;
}

void AddFileMenu(QMainWindow& window) {
  auto* menu = AddMenu(window, "mnuFile", "&File",
                       {{"mnuFileNew", "&New", QKeySequence::New},
                        {"mnuFileOpen", "&Open...", QKeySequence::Open},
                        {"mnuFileInput", "&Import..."},
                        {"mnuFileSave", "&Save", QKeySequence::Save},
                        {"mnuFileSaveAs", "Save &As...", QKeySequence::SaveAs},
                        {"mnuFileBar1", ""},
                        {"mnuFileProperties", "P&roperties"},
                        {"mnuFileBar2", ""}});
  for (size_t k = 0; k < kMostRecentFiles; ++k) {
    auto* recent = menu->addAction(QString());
    recent->setObjectName(QString("mnuFileMRU%1").arg(k));
    recent->setVisible(false);
  }
  menu->addSeparator()->setObjectName("mnuFileBar3");
  auto* exit = menu->addAction(IconOf("mnuFileExit"), "E&xit");
  exit->setObjectName("mnuFileExit");
  exit->setShortcut(QKeySequence::Quit);
}

void AddEditMenus(QMainWindow& window) {
  AddMenu(window, "mnuEdit", "&Edit",
          {{"mnuEditUndo", "&Undo", QKeySequence::Undo},
           {"mnuEditRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y)},
           {"", ""},
           {"mnuDel", "&Delete", QKeySequence::Delete},
           {"mnuBack", "Re&verse direction"},
           {"mnuHb", "&Join paths"},
           {"", ""},
           {"mnuEdgeCut", "Outer edges to the &knife"},
           {"mnuEdgePlot", "Outer edges to the &pen"},
           {"mnuStart", "Set the &start point"},
           {"mnuSetLayer", "&Layers..."},
           {"", ""},
           {"mnuWeedBox", "&Weed box..."},
           {"mnuWeedLines", "Weed li&nes..."}});
  AddMenu(window, "mnuSelect", "&Select",
          {{"mnuAll", "Select &all", QKeySequence::SelectAll},
           {"mnuInv", "&Invert the selection"},
           {"mnuSingal", "Select single &segments"},
           {"mnuUnFb", "Select &open paths"},
           {"", ""},
           {"numSelA", "&First path", QKeySequence(Qt::Key_Home)},
           {"numSelZ", "&Last path", QKeySequence(Qt::Key_End)},
           {"numSelP", "&Previous path", QKeySequence(Qt::Key_PageUp)},
           {"numSelN", "&Next path", QKeySequence(Qt::Key_PageDown)}});
  AddMenu(window, "mnuTransform", "&Transform",
          {{"munScale", "&Scale..."},
           {"mnuSpin", "&Rotate..."},
           {"mnuMove", "&Move..."},
           {"mnuMirror", "M&irror..."},
           {"mnuZl", "&Array..."},
           {"munToCenter", "To the &origin"}});
}

void AddOtherMenus(QMainWindow& window) {
  AddMenu(window, "mnuView", "&View",
          {{"mnuViewShowIn", "Zoom &in"},
           {"mnuViewShowOut", "Zoom &out"},
           {"mnuViewShowMove", "&Pan"},
           {"mnuViewShowAll", "Show &all"},
           {"mnuViewShowTable", "Show the &table"},
           {"", ""},
           {"mnuViewOptions", "O&ptions..."}});
  AddMenu(window, "mnuMachine", "&Machine",
          {{"numDeviceParameter", "&Machine parameters..."}, {"numSettingTools", "&Tool settings..."}});
  AddMenu(window, "mnuLanguage", "&Language", {});
  AddMenu(window, "mnuHelp", "&Help", {{"mnuHelpAbout", "&About..."}});
  auto* debug = AddMenu(window, "mnuDebug", "&Debug",
                        {{"mnuDebugSaveDat", "Save the point list..."}, {"mnuDebugOpenDat", "Add a point list..."}});
  debug->menuAction()->setVisible(false);
}

}  // namespace

void BuildMainMenus(QMainWindow& window) {
  AddFileMenu(window);
  AddEditMenus(window);
  AddOtherMenus(window);
  // Nothing calls the layer dialog yet: the item exists for its name only.
  window.findChild<QAction*>("mnuSetLayer")->setVisible(false);
}

}  // namespace kw
