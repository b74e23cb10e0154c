#include "app/ImageDialog.h"

#include "model/TextHelpers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfDesignImage::TfDesignImage(QWidget* Parent)
  : TPropListDialog(Parent)
{
  setWindowTitle(QStringLiteral("Image Properties"));

  // The list positions are the image modes "none" (0) and "stretch" (1).
  auto* properties = new QGroupBox(QStringLiteral("Image Properties : "));
  auto* propertiesLayout = new QVBoxLayout(properties);
  FImageMode = new QComboBox;
  FImageMode->addItem(QStringLiteral("Crop to Container"));
  FImageMode->addItem(QStringLiteral("Resize to Container"));
  FImageMode->setMinimumWidth(220);
  propertiesLayout->addWidget(FImageMode);

  auto* actions = new QHBoxLayout;
  FReload = new QPushButton(QStringLiteral("Reload Image"));
  FReload->setToolTip(QStringLiteral("Read the pictures again from their files"));
  FResize = new QPushButton(QStringLiteral("Resize"));
  FResize->setToolTip(QStringLiteral("Give the objects the size of their pictures"));
  FChange = new QPushButton(QStringLiteral("Change..."));
  FChange->setToolTip(QStringLiteral("Choose another picture file"));
  for (QPushButton* b : {FReload, FResize, FChange}) {
    b->setAutoDefault(false);
    actions->addWidget(b);
  }
  actions->addStretch();
  propertiesLayout->addLayout(actions);

  auto* buttons = new QDialogButtonBox;
  FOk = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
  FCancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  FOk->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(properties);
  layout->addStretch();
  layout->addWidget(buttons);

  connect(FImageMode, &QComboBox::activated, this,
          [this](int index) { Record(QStringLiteral("IMAGEMODE"), QString::number(index)); });
  const auto run = [this](QPushButton* button, std::function<void()> TfDesignImage::*action) {
    connect(button, &QPushButton::clicked, this, [this, action] {
      if (this->*action)
        (this->*action)();
    });
  };
  run(FReload, &TfDesignImage::OnReloadImage);
  run(FResize, &TfDesignImage::OnResizeImage);
  run(FChange, &TfDesignImage::OnChangeImage);

  FImageMode->setCurrentIndex(-1);
}

void TfDesignImage::SetFromPropList(const TNameValueList& PropList)
{
  FLoading = true;
  const bool has = PropList.IndexOfName(QStringLiteral("IMAGEMODE")) >= 0;
  FImageMode->setCurrentIndex(has ? StrToIntLenient(PropList.Values(QStringLiteral("IMAGEMODE"))) : -1);
  FLoading = false;
}

bool TfDesignImage::ShowDialog(const TNameValueList& PropList, TNameValueList& NewPropList)
{
  return RunOn(PropList, NewPropList);
}
