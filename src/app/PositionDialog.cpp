#include "app/PositionDialog.h"

#include "model/TextHelpers.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The entries accept digits with one full stop only, so they are written and read with
// the full stop as decimal separator whatever the locale: a comma-decimal locale would
// otherwise show values that fail the check and read a typed "12.5" as 125.

namespace {

QString MMText(double V)
{
  return FormatRealWith(V, QLatin1Char('.'));
}

} // namespace

TfDesignPosition::TfDesignPosition(TPrompts* Prompts, QWidget* Parent)
  : QDialog(Parent)
  , FPrompts(Prompts)
{
  setWindowTitle(QStringLiteral("Position"));

  auto* placement = new QGroupBox(QStringLiteral("Placement : "));
  auto* placementForm = new QFormLayout(placement);
  FLeft = new QLineEdit;
  FTop = new QLineEdit;
  FWidth = new QLineEdit;
  FHeight = new QLineEdit;
  placementForm->addRow(QStringLiteral("Left (mm):"), FLeft);
  placementForm->addRow(QStringLiteral("Top (mm):"), FTop);
  placementForm->addRow(QStringLiteral("Width (mm):"), FWidth);
  placementForm->addRow(QStringLiteral("Height (mm):"), FHeight);
  for (QLineEdit* edit : {FLeft, FTop, FWidth, FHeight}) {
    edit->setMaximumWidth(120);
    edit->installEventFilter(this);
  }

  auto* sizing = new QGroupBox(QStringLiteral("Sizing : "));
  auto* sizingForm = new QFormLayout(sizing);
  FAutoSize = new QComboBox;
  for (const char* item : {"No Autosizing", "Grow to Content Depth", "Grow to Section Depth", "Grow to Section Fill",
                           "Bind to Section Top", "Bind to Section Base"})
    FAutoSize->addItem(QString::fromLatin1(item));
  sizingForm->addRow(QStringLiteral("Enable Autosize : "), FAutoSize);

  auto* buttons = new QDialogButtonBox;
  FOk = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
  FCancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  FOk->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &TfDesignPosition::TryAccept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(placement);
  layout->addWidget(sizing);
  layout->addStretch();
  layout->addWidget(buttons);
}

TfDesignPosition::TEntry TfDesignPosition::Entry(int Index)
{
  switch (Index) {
  case 0: return {FLeft, &FOrigLeft, "left"};
  case 1: return {FTop, &FOrigTop, "top"};
  case 2: return {FWidth, &FOrigWidth, "width"};
  default: return {FHeight, &FOrigHeight, "height"};
  }
}

// A plain number passes, and so does the text the entry opened with (a negative or very
// small value that the object already has), which is what a failure would put back.
bool TfDesignPosition::CheckEntry(const TEntry& E)
{
  const QString text = E.Edit->text();
  if (IsPlainNumber(text) || text == MMText(*E.Orig))
    return true;
  // Taking the focus back makes the entry it went to lose it: that is not a leave.
  FChecking = true;
  if (FPrompts)
    FPrompts->Notice(QStringLiteral("Please enter a number for %1").arg(QString::fromLatin1(E.Name)));
  E.Edit->setText(MMText(*E.Orig));
  E.Edit->setFocus(Qt::OtherFocusReason);
  FChecking = false;
  return false;
}

double TfDesignPosition::EntryValue(const TEntry& E) const
{
  const QString text = E.Edit->text();
  return text == MMText(*E.Orig) ? *E.Orig : StrToFloatLenientWith(text, QLatin1Char('.'));
}

bool TfDesignPosition::eventFilter(QObject* Watched, QEvent* Event)
{
  if (Event->type() == QEvent::FocusOut && isVisible() && !FChecking) {
    // Focus lost to a popup, another window or the Cancel button is not leaving the entry.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(Event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
        QApplication::focusWidget() != FCancel) {
      for (int i = 0; i < 4; ++i)
        if (Entry(i).Edit == Watched)
          CheckEntry(Entry(i));
    }
  }
  return QDialog::eventFilter(Watched, Event);
}

// Ok pressed with Enter leaves no entry, so every entry is checked here as well; the
// dialog stays open on the first one that fails.
void TfDesignPosition::TryAccept()
{
  for (int i = 0; i < 4; ++i)
    if (!CheckEntry(Entry(i)))
      return;
  accept();
}

bool TfDesignPosition::ShowDialog(double& Left, double& Top, double& Width, double& Height, int& AutoSize)
{
  FOrigLeft = Left;
  FOrigTop = Top;
  FOrigWidth = Width;
  FOrigHeight = Height;
  for (int i = 0; i < 4; ++i)
    Entry(i).Edit->setText(MMText(*Entry(i).Orig));
  FAutoSize->setCurrentIndex(AutoSize);
  FLeft->setFocus();
  FLeft->selectAll();

  if (exec() != QDialog::Accepted)
    return false;
  Left = EntryValue(Entry(0));
  Top = EntryValue(Entry(1));
  Width = EntryValue(Entry(2));
  Height = EntryValue(Entry(3));
  // An autosize mode the list does not offer stays as it was.
  if (FAutoSize->currentIndex() >= 0)
    AutoSize = FAutoSize->currentIndex();
  return true;
}
