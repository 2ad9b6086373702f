#include "edit_panel.h"

#include <QFile>
#include <QGroupBox>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>
#include <initializer_list>

namespace kw {
namespace {

struct Button {
  const char* name;
  const char* caption;  // design caption, English
};

// Keeps the caption of a button without an image in line with its neighbours':
// a tool button centres a caption that has no icon beside it.
QIcon BlankIcon() {
  QPixmap blank(16, 16);
  blank.fill(Qt::transparent);
  return QIcon(blank);
}

QToolButton* AddButton(QWidget& group, QLayout& layout, const Button& b) {
  auto* button = new QToolButton(&group);
  button->setObjectName(b.name);
  button->setText(b.caption);
  const QString icon = QString(":/icons/%1.svg").arg(b.name);
  button->setIcon(QFile::exists(icon) ? QIcon(icon) : BlankIcon());
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  button->setAutoRaise(true);
  layout.addWidget(button);
  return button;
}

void AddGroup(QWidget& panel, const char* name, const char* title, std::initializer_list<Button> buttons) {
  auto* group = new QGroupBox(title, &panel);
  group->setObjectName(name);
  auto* layout = new QVBoxLayout(group);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(1);
  for (const Button& b : buttons) AddButton(*group, *layout, b);
  panel.layout()->addWidget(group);
}

}  // namespace

QWidget* BuildEditPanel(QWidget& parent) {
  auto* panel = new QWidget(&parent);
  panel->setObjectName("EditPanel");
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(2, 2, 2, 2);
  AddGroup(*panel, "FraPaths", "Paths",
           {{"CPDel", "Delete"},
            {"Cback", "Reverse"},
            {"CHb", "Join"},
            {"Cds", "Explode"},
            {"CFb", "Close"},
            {"CAFb", "Close gaps"},
            {"CSmooth", "Smooth"},
            {"CAutoYH", "Prepare all"}});
  AddGroup(*panel, "FraOrder", "Order",
           {{"AutoS", "Shortest travel"},
            {"AutoNW", "Inner first"},
            {"CTop", "First"},
            {"CUp", "Later"},
            {"CDown", "Earlier"},
            {"CBolow", "Last"},
            {"CSetStartP", "Start point"},
            {"AutoSX", "Order by X"},
            {"AutoSY", "Order by Y"}});
  AddGroup(*panel, "FraFrames", "Engraving and drilling",
           {{"CSetDk", "Make a frame"}, {"CUnSetDk", "Undo the frame"}, {"CSetDrill", "Drill"}, {"CUnSetDrill", "No drill"}});
  layout->addStretch(1);
  // These two order nothing yet; they keep their names for the language files.
  panel->findChild<QWidget*>("AutoSX")->hide();
  panel->findChild<QWidget*>("AutoSY")->hide();
  return panel;
}

}  // namespace kw
