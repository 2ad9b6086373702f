#include "f_about.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "widgets/language_ui.h"

namespace kw {
namespace {

QLabel* AddLabel(QDialog& dialog, const char* name, const QString& text) {
  auto* label = new QLabel(text, &dialog);
  label->setObjectName(name);
  label->setWordWrap(true);
  dialog.layout()->addWidget(label);
  return label;
}

}  // namespace

FAbout::FAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("FAbout");
  setWindowTitle("About Kerfwright");
  auto* layout = new QVBoxLayout(this);
  auto* logo = new QLabel(this);
  logo->setPixmap(QIcon(":/icons/kerfwright.svg").pixmap(64, 64));
  layout->addWidget(logo, 0, Qt::AlignHCenter);
  AddLabel(*this, "LblProgram", QString("Kerfwright %1").arg(KW_VERSION))->setAlignment(Qt::AlignHCenter);
  AddLabel(*this, "LblLicence", "Free software under the GNU General Public License, version 3 or later.");
  AddLabel(*this, "LblMaker", "The Kerfwright developers");
  auto* address = AddLabel(*this, "LblWeb", kHomeAddress);
  // The address opens in the desktop's browser, as a link does.
  address->setTextFormat(Qt::RichText);
  address->setText(QString("<a href=\"%1\">%1</a>").arg(kHomeAddress));
  address->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(address, &QLabel::linkActivated, this, [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->setObjectName("Buttons");
  buttons->button(QDialogButtonBox::Close)->setObjectName("CloseButton");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  ReLanguage();
}

void FAbout::ReLanguage() {
  ApplyLanguage(*this, "FAbout");
  // The address is not a caption: it stays a link whatever the language file says.
  findChild<QLabel*>("LblWeb")->setText(QString("<a href=\"%1\">%1</a>").arg(kHomeAddress));
}

}  // namespace kw
