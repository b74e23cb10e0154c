#include "app/ImagePathDialog.h"

#include "model/TextHelpers.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfDesignImagePath::TfDesignImagePath(QWidget* Parent)
  : QDialog(Parent)
{
  setWindowTitle(QStringLiteral("Design Image"));

  auto* form = new QFormLayout;
  FContent = new QLineEdit;
  FContent->setMinimumWidth(300);
  form->addRow(QStringLiteral("Content:"), FContent);

  // The button ids are the image modes: none, stretch, scale.
  auto* mode = new QGroupBox(QStringLiteral("Resize Mode : "));
  auto* modeLayout = new QHBoxLayout(mode);
  FResizeMode = new QButtonGroup(this);
  const char* modes[] = {"None", "Stretch", "Scale"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QRadioButton(QString::fromLatin1(modes[i]));
    FResizeMode->addButton(b, i);
    modeLayout->addWidget(b, 1);
  }

  auto* buttons = new QDialogButtonBox;
  FOk = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
  FCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  FOk->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(mode);
  layout->addStretch();
  layout->addWidget(buttons);
}

QRadioButton* TfDesignImagePath::ResizeModeButton(int Position) const
{
  return qobject_cast<QRadioButton*>(FResizeMode->button(Position));
}

// A position outside the three modes leaves no button checked.
void TfDesignImagePath::SetResizeMode(int Position)
{
  if (QAbstractButton* b = FResizeMode->button(Position)) {
    b->setChecked(true);
    return;
  }
  FResizeMode->setExclusive(false);
  for (QAbstractButton* b : FResizeMode->buttons())
    b->setChecked(false);
  FResizeMode->setExclusive(true);
}

bool TfDesignImagePath::ShowImagePathDialog(const TNameValueList& PropList, TNameValueList& NewPropList)
{
  FNewPropList = &NewPropList;
  FHasPropList = true;
  FContent->setText(PropList.Values(QStringLiteral("TEXT")));
  SetResizeMode(StrToIntLenient(PropList.Values(QStringLiteral("IMAGEMODE"))));

  const bool ok = exec() == QDialog::Accepted;
  if (ok) {
    FNewPropList->SetValue(QStringLiteral("TEXT"), FContent->text());
    FNewPropList->SetValue(QStringLiteral("IMAGEMODE"), QString::number(FResizeMode->checkedId()));
  }
  FNewPropList = nullptr;
  return ok;
}
