#include "app/AboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// Windows builds would read these lines from the program file's version resource; other
// systems have no such resource, so the version is the one the build compiles in.
QString TfAbout::BuildVersion()
{
#ifdef ZENTAF_VERSION
  return QStringLiteral(ZENTAF_VERSION);
#else
  return QStringLiteral("unknown");
#endif
}

QString TfAbout::Copyright()
{
  return QStringLiteral("Copyright \u00A9 Zentaf. All rights reserved.");
}

TfAbout::TfAbout(QWidget* Parent)
  : QDialog(Parent)
{
  setWindowTitle(QStringLiteral("About"));

  FPicture = new QLabel;
  FPicture->setPixmap(QIcon(QStringLiteral(":/icons/page-layout.svg")).pixmap(64, 64));
  FPicture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  auto* product = new QGroupBox(QStringLiteral("Product Version : "));
  auto* productForm = new QFormLayout(product);
  FProductName = new QLabel(QApplication::applicationDisplayName());
  FVersion = new QLabel(BuildVersion());
  FProductName->setTextInteractionFlags(Qt::TextSelectableByMouse);
  FVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);
  productForm->addRow(QStringLiteral("Product Name:"), FProductName);
  productForm->addRow(QStringLiteral("Build Version:"), FVersion);

  FCopyright = new QLabel(Copyright());

  auto* info = new QVBoxLayout;
  info->addWidget(product);
  info->addWidget(FCopyright);
  info->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(FPicture);
  body->addSpacing(8);
  body->addLayout(info, 1);

  auto* buttons = new QDialogButtonBox;
  FClose = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
  FClose->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(buttons);
  setMinimumWidth(360);
}
