#include "app/ui/AboutDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include <memory>

#include "app/AboutBox.h"
#include "app/Edition.h"
#include "app/ui/FormTranslator.h"
#include "core/ui/AnsiText.h"

namespace gd::ui {
namespace {

// The edition's logo: its device name on the edition's colour.
QPixmap Logo(int edition) {
  static const QColor kColours[] = {QColor(0, 84, 147), QColor(0, 120, 90), QColor(150, 40, 30)};
  QPixmap pixmap(240, 56);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kColours[edition < 0 || edition > 2 ? 2 : edition]);
  p.drawRoundedRect(pixmap.rect().adjusted(1, 1, -1, -1), 10, 10);
  QFont font;
  font.setBold(true);
  font.setPixelSize(28);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromLatin1(EditionTable(edition).deviceName));
  return pixmap;
}

QLabel* AddLabel(QDialog* dialog, QVBoxLayout* layout, const char* name, const QString& text) {
  auto* label = new QLabel(text, dialog);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  SetFixedText(label);  // the texts come translated from the model
  layout->addWidget(label);
  return label;
}

}  // namespace

QDialog* CreateAboutBox(QWidget* parent, int edition) {
  const AboutBoxTexts texts = AboutBoxFor(edition);
  auto* dialog = new QDialog(parent);
  dialog->setObjectName("AboutBox");
  dialog->setWindowTitle(FromAnsi(texts.caption));
  auto* layout = new QVBoxLayout(dialog);
  auto* logo = new QLabel(dialog);
  logo->setObjectName("ProgramIcon");
  logo->setPixmap(Logo(texts.logo));
  logo->setAlignment(Qt::AlignCenter);
  layout->addWidget(logo);
  QLabel* name = AddLabel(dialog, layout, "ProductName", FromAnsi(texts.programName));
  QFont big = name->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.4);
  name->setFont(big);
  QLabel* version = AddLabel(dialog, layout, "Version", FromAnsi(texts.version));
  // No version resource exists outside Windows; the build's version stands in.
  if (!QCoreApplication::applicationVersion().isEmpty())
    version->setToolTip(QCoreApplication::applicationVersion());
  AddLabel(dialog, layout, "Copyright", FromAnsi(texts.makerLine));
  if (!texts.helpNote.empty()) AddLabel(dialog, layout, "HelpNote", FromAnsi(texts.helpNote));
  layout->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog->setFixedSize(360, texts.height);
  return dialog;
}

void ShowAboutBox(QWidget* parent) {
  std::unique_ptr<QDialog> dialog(CreateAboutBox(parent, kShippedEdition));
  dialog->exec();
}

}  // namespace gd::ui
