// The main window's command bindings: the main menu, the ribbon pages, the context menu
// of every object, the drop-down menus, the toolbar that shows the selection's format,
// the snap toggle, the measurement switch, the Alt+arrow nudge and the status bar.
#include "app/DesignPage.h"

#include "app/DesignRibbon.h"
#include "model/Band.h"
#include "model/Container.h"
#include "model/PageLayout.h"
#include "model/Surface.h"
#include "model/TextHelpers.h"
#include "objects/DesignObject.h"
#include "platform/NameValueList.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QEvent>
#include <QFontComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

QAction* TfDesignPage::AddAction(QMenu* Menu, const char* Name, const QString& Caption, std::function<void()> Run,
                                 const QKeySequence& Shortcut)
{
  QAction* a = Menu->addAction(Caption);
  a->setObjectName(QString::fromLatin1(Name));
  if (!Shortcut.isEmpty())
    a->setShortcut(Shortcut);
  if (Run)
    connect(a, &QAction::triggered, this, [this, Run = std::move(Run)] {
      Run();
      UpdateStatus();
    });
  return a;
}

QAction* TfDesignPage::Action(const char* Name) const
{
  return findChild<QAction*>(QString::fromLatin1(Name));
}

void TfDesignPage::CreateMenus()
{
  TDesignContainer* d = FDesigner;
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  FActNew = AddAction(file, "actFileNew", QStringLiteral("&New"), [this] { DoNew(false, true); }, QKeySequence::New);
  FActOpen = AddAction(file, "actFileOpen", QStringLiteral("&Open"), [this] { DoOpen(); }, QKeySequence::Open);
  FActSave = AddAction(file, "actFileSave", QStringLiteral("&Save"), [this] { DoSave(); }, QKeySequence(Qt::CTRL | Qt::Key_S));
  FActSaveAs = AddAction(file, "actFileSaveAs", QStringLiteral("Save &As"), [this] { DoSaveAs(); }, QKeySequence::SaveAs);
  file->addSeparator();
  // Printing arrives with its own piece of work; until then these entries do nothing.
  AddAction(file, "actFilePrintSetup", QStringLiteral("Print Setup.."), nullptr);
  AddAction(file, "actFilePrintPreview", QStringLiteral("Print Preview"), nullptr);
  AddAction(file, "actFilePrint", QStringLiteral("Print"), nullptr, QKeySequence::Print);
  file->addSeparator();
  FActExit = AddAction(file, "actFileExit", QStringLiteral("E&xit"), [this] { DoExitDesign(false); }, QKeySequence::Quit);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  AddAction(edit, "actEditCopy", QStringLiteral("&Copy"), [d] { d->DoCopy(); }, QKeySequence(Qt::CTRL | Qt::Key_C));
  AddAction(edit, "actEditCut", QStringLiteral("Cut"), [d] { d->DoCut(); }, QKeySequence(Qt::CTRL | Qt::Key_X));
  AddAction(edit, "actEditPaste", QStringLiteral("&Paste"), [this] { DoPaste(); }, QKeySequence(Qt::CTRL | Qt::Key_V));
  AddAction(edit, "actEditDelete", QStringLiteral("Delete"), [d] { d->DoDelete(); },
            QKeySequence(Qt::SHIFT | Qt::Key_Delete));
  edit->addSeparator();
  AddAction(edit, "actEditSelectAll", QStringLiteral("Select &All"), [d] { d->SelectAll(); },
            QKeySequence(Qt::CTRL | Qt::Key_A));
  AddAction(edit, "actEditSelectNone", QStringLiteral("Select None"), [d] { d->SelectNone(); });
  edit->addSeparator();
  FActUndo = AddAction(edit, "actEditUndo", QStringLiteral("&Undo"), [d] { d->Undo(); }, QKeySequence(Qt::CTRL | Qt::Key_Z));

  QMenu* format = menuBar()->addMenu(QStringLiteral("F&ormat"));
  AddAction(format, "actFormatText", QStringLiteral("&Text..."), [this] { DoTextDialog(); });
  AddAction(format, "actFormatBorders", QStringLiteral("&Borders and Shading..."), [this] { DoBorderDialog(); });
  AddAction(format, "actFormatImage", QStringLiteral("&Image..."), [this] { DoImageDialog(); });

  QMenu* layout = menuBar()->addMenu(QStringLiteral("&Layout"));
  QMenu* align = layout->addMenu(QStringLiteral("&Align"));
  AddAction(align, "actLayoutAlignTops", QStringLiteral("&Tops"), [d] { d->AlignTops(); });
  AddAction(align, "actLayoutAlignMiddles", QStringLiteral("&Middles"), [d] { d->AlignVCentres(); });
  AddAction(align, "actLayoutAlignBases", QStringLiteral("&Bases"), [d] { d->AlignBases(); });
  AddAction(align, "actLayoutAlignLefts", QStringLiteral("Lefts"), [d] { d->AlignLefts(); });
  AddAction(align, "actLayoutAlignCentres", QStringLiteral("Centres"), [d] { d->AlignHCentres(); });
  AddAction(align, "actLayoutAlignRights", QStringLiteral("Rights"), [d] { d->AlignRights(); });
  QMenu* size = layout->addMenu(QStringLiteral("&Size"));
  AddAction(size, "actLayoutSizeTallest", QStringLiteral("Grow to Tallest"), [d] { d->SizeTallest(); });
  AddAction(size, "actLayoutSizeShortest", QStringLiteral("Shrink to Shortest"), [d] { d->SizeShortest(); });
  AddAction(size, "actLayoutSizeSameHeight", QStringLiteral("Same Height"), [d] { d->SizeSameHeight(); });
  AddAction(size, "actLayoutSizeAvgHeight", QStringLiteral("Average Height"), [d] { d->SizeAvgHeight(); });
  AddAction(size, "actLayoutSizeWidest", QStringLiteral("Grow to Widest"), [d] { d->SizeWidest(); });
  AddAction(size, "actLayoutSizeThinnest", QStringLiteral("Shrink to Thinnest"), [d] { d->SizeThinnest(); });
  AddAction(size, "actLayoutSizeSameWidth", QStringLiteral("Same Width"), [d] { d->SizeSameWidth(); });
  AddAction(size, "actLayoutSizeAvgWidth", QStringLiteral("Average Width"), [d] { d->SizeAvgWidth(); });
  // The Nudge entries move the selection by 1 mm, as the Alt+arrow keys do.
  QMenu* nudge = layout->addMenu(QStringLiteral("Nudge"));
  AddAction(nudge, "actLayoutNudgeUp", QStringLiteral("Up"), [this] { DoNudgeUp(); });
  AddAction(nudge, "actLayoutNudgeDown", QStringLiteral("Down"), [this] { DoNudgeDown(); });
  AddAction(nudge, "actLayoutNudgeRight", QStringLiteral("Right"), [this] { DoNudgeRight(); });
  AddAction(nudge, "actLayoutNudgeLeft", QStringLiteral("Left"), [this] { DoNudgeLeft(); });
  QMenu* order = layout->addMenu(QStringLiteral("Order"));
  AddAction(order, "actLayoutBringToFront", QStringLiteral("Bring to Front"), [d] { d->SendFront(); });
  AddAction(order, "actLayoutSendToBack", QStringLiteral("Send to Back"), [d] { d->SendBack(); });
  FActSnap = AddAction(layout, "actLayoutSnap", QStringLiteral("Snap to Grid"), [this] { SetSnap(!GetSnap()); });
  FActSnap->setCheckable(true);
  QMenu* measurements = layout->addMenu(QStringLiteral("Measurements"));
  auto* units = new QActionGroup(this);
  FActMetric = AddAction(measurements, "actLayoutMetric", QStringLiteral("Metric"), [this] { SetImperialUnits(false); });
  FActImperial = AddAction(measurements, "actLayoutImperial", QStringLiteral("Imperial"), [this] { SetImperialUnits(true); });
  for (QAction* a : {FActMetric, FActImperial}) {
    a->setCheckable(true);
    units->addAction(a);
  }
  AddAction(layout, "actLayoutLock", QStringLiteral("Lock Controls"), [d] { d->Lock(); });
  AddAction(layout, "actLayoutUnlock", QStringLiteral("Unlock Controls"), [d] { d->Unlock(); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
  AddAction(help, "actHelpAbout", QStringLiteral("About"), [this] { DoAbout(); });

  CreateObjectMenu();

  // The status bar: where the pointer is, and how many objects are selected.
  FStatusPosition = new QLabel(this);
  FStatusSelection = new QLabel(this);
  FStatusPosition->setMinimumWidth(180);
  statusBar()->addWidget(FStatusPosition);
  statusBar()->addPermanentWidget(FStatusSelection);
  FDesigner->OnShowPosition = [this](TDesignSurface*, int X, int Y) {
    const TDesignUnits* u = FDesigner->Units();
    if (FImperial)
      FStatusPosition->setText(QStringLiteral("%1 in, %2 in")
                                 .arg(u->PixelsToInchesX(X), 0, 'f', 2)
                                 .arg(u->PixelsToInchesY(Y), 0, 'f', 2));
    else
      FStatusPosition->setText(QStringLiteral("%1 mm, %2 mm")
                                 .arg(u->PixelsToMMX(X), 0, 'f', 1)
                                 .arg(u->PixelsToMMY(Y), 0, 'f', 1));
  };
}

void TfDesignPage::CreateObjectMenu()
{
  TDesignContainer* d = FDesigner;
  FObjectMenu = new QMenu(this);
  QMenu* m = FObjectMenu;
  AddAction(m, "actObjProperties", QStringLiteral("Properties..."), [this] { DoProperties(); });
  m->addSeparator();
  AddAction(m, "actObjCut", QStringLiteral("Cut"), [d] { d->DoCut(); });
  AddAction(m, "actObjCopy", QStringLiteral("&Copy"), [d] { d->DoCopy(); });
  AddAction(m, "actObjPaste", QStringLiteral("&Paste"), [this] { DoPaste(); });
  AddAction(m, "actObjDelete", QStringLiteral("Delete"), [d] { d->DoDelete(); });
  m->addSeparator();
  // Here the horizontal group names horizontal centring "Middles" and the vertical
  // group names vertical centring "Centres".
  QMenu* align = m->addMenu(QStringLiteral("Align"));
  AddAction(align, "actObjAlignLefts", QStringLiteral("Lefts"), [d] { d->AlignLefts(); });
  AddAction(align, "actObjAlignRights", QStringLiteral("Rights"), [d] { d->AlignRights(); });
  AddAction(align, "actObjAlignMiddles", QStringLiteral("Middles"), [d] { d->AlignHCentres(); });
  align->addSeparator();
  AddAction(align, "actObjAlignTops", QStringLiteral("Tops"), [d] { d->AlignTops(); });
  AddAction(align, "actObjAlignCentres", QStringLiteral("Centres"), [d] { d->AlignVCentres(); });
  AddAction(align, "actObjAlignBases", QStringLiteral("Bases"), [d] { d->AlignBases(); });
  QMenu* size = m->addMenu(QStringLiteral("Size"));
  AddAction(size, "actObjSizeWidest", QStringLiteral("Grow to Widest"), [d] { d->SizeWidest(); });
  AddAction(size, "actObjSizeThinnest", QStringLiteral("Shrink to Thinnest"), [d] { d->SizeThinnest(); });
  AddAction(size, "actObjSizeSameWidth", QStringLiteral("Same Width"), [d] { d->SizeSameWidth(); });
  AddAction(size, "actObjSizeAvgWidth", QStringLiteral("Average Width"), [d] { d->SizeAvgWidth(); });
  size->addSeparator();
  AddAction(size, "actObjSizeTallest", QStringLiteral("Grow to Tallest"), [d] { d->SizeTallest(); });
  AddAction(size, "actObjSizeShortest", QStringLiteral("Shrink to Shortest"), [d] { d->SizeShortest(); });
  AddAction(size, "actObjSizeSameHeight", QStringLiteral("Same Height"), [d] { d->SizeSameHeight(); });
  AddAction(size, "actObjSizeAvgHeight", QStringLiteral("Average Height"), [d] { d->SizeAvgHeight(); });
  // The Order entries do what their twins of the Layout menu do.
  QMenu* order = m->addMenu(QStringLiteral("Order"));
  AddAction(order, "actObjBringToFront", QStringLiteral("Bring to Front"), [d] { d->SendFront(); });
  AddAction(order, "actObjSendToBack", QStringLiteral("Send to Back"), [d] { d->SendBack(); });
  m->addSeparator();
  AddAction(m, "actObjText", QStringLiteral("Text..."), [this] { DoTextDialog(); });
  AddAction(m, "actObjBorders", QStringLiteral("Borders..."), [this] { DoBorderDialog(); });
  AddAction(m, "actObjPosition", QStringLiteral("Position..."), [this] { DoPositionDialog(); });
  AddAction(m, "actObjImage", QStringLiteral("Image..."), [this] { DoImageDialog(); })->setVisible(false);
  m->addSeparator();
  AddAction(m, "actObjLock", QStringLiteral("Lock"), [d] { d->Lock(); });
  AddAction(m, "actObjUnlock", QStringLiteral("Unlock"), [d] { d->Unlock(); });
}

void TfDesignPage::ConnectRibbon()
{
  TDesignRibbon* r = FRibbon;
  TDesignContainer* d = FDesigner;
  auto on = [this](QAbstractButton* b, std::function<void()> Run) {
    connect(b, &QAbstractButton::clicked, this, [this, Run = std::move(Run)] {
      Run();
      UpdateStatus();
    });
  };
  auto onAction = [this](QAction* a, std::function<void()> Run) {
    connect(a, &QAction::triggered, this, [this, Run = std::move(Run)] {
      Run();
      UpdateStatus();
    });
  };
  // Home / File, Clipboard
  on(r->btnNew, [this] { DoNew(false, true); });
  on(r->btnOpen, [this] { DoOpen(); });
  on(r->btnSave, [this] { DoSave(); });
  on(r->btnPaste, [this] { DoPaste(); });
  on(r->btnCopy, [d] { d->DoCopy(); });
  on(r->btnCut, [d] { d->DoCut(); });
  // Home / Text
  connect(r->cbFontName, &QComboBox::textActivated, this, [this](const QString& f) { DoFontName(f); });
  connect(r->cbFontSize, &QComboBox::textActivated, this, [this](const QString& t) { DoFontSize(StrToIntLenient(t)); });
  on(r->btnBold, [this] { DoToggleBold(); });
  on(r->btnItalic, [this] { DoToggleItalic(); });
  on(r->btnFontDecrease, [this] { DoFontSizeChange(-2); });
  on(r->btnFontIncrease, [this] { DoFontSizeChange(2); });
  connect(r->selFontColour, &TColorSelector::colourChosen, this, [this](TColor c) { DoFontColour(c); });
  on(r->selFontColour, [this, r] { DoFontColour(r->selFontColour->Colour()); });
  onAction(r->actVAlignTop, [this] { DoAlignTops(); });
  onAction(r->actVAlignMiddle, [this] { DoAlignMiddles(); });
  onAction(r->actVAlignBase, [this] { DoAlignBases(); });
  onAction(r->actHAlignLeft, [this] { DoAlignLefts(); });
  onAction(r->actHAlignCenter, [this] { DoAlignCentres(); });
  onAction(r->actHAlignRight, [this] { DoAlignRights(); });
  onAction(r->actHAlignFull, [this] { DoAlignFull(); });
  // The faces of the split buttons repeat the entry last chosen from their own menu.
  for (TSplitButton* split : {r->btnVAlign, r->btnHAlign, r->btnVSize, r->btnHSize})
    connect(split, &QToolButton::clicked, this, [split] {
      if (QAction* a = split->lastAction())
        a->trigger();
    });
  // Home / Drawing
  connect(r->selFillColour, &TColorSelector::colourChosen, this, [this](TColor c) { DoFillColour(c); });
  on(r->selFillColour, [this, r] { DoFillColour(r->selFillColour->Colour()); });
  connect(r->selOutlineColour, &TColorSelector::colourChosen, this, [this](TColor c) { DoBorderColour(c); });
  on(r->selOutlineColour, [this, r] { DoBorderColour(r->selOutlineColour->Colour()); });
  on(r->selOutlineWidth, [this, r] { DoBorderWidth(r->selOutlineWidth->Width()); });
  connect(r->selOutlineStyle, &TPenStyleSelector::styleChosen, this, [this](int s) { DoBorderStyle(TPenStyle(s)); });
  on(r->selOutlineStyle, [this, r] { DoBorderStyle(TPenStyle(r->selOutlineStyle->PenStyle())); });
  onAction(r->actArrangeSendBack, [d] { d->SendBack(); });
  onAction(r->actArrangeSendFront, [d] { d->SendFront(); });
  onAction(r->actArrangeAlignLefts, [d] { d->AlignLefts(); });
  onAction(r->actArrangeAlignCenters, [d] { d->AlignHCentres(); });
  onAction(r->actArrangeAlignRights, [d] { d->AlignRights(); });
  onAction(r->actArrangeAlignTops, [d] { d->AlignTops(); });
  onAction(r->actArrangeAlignMiddles, [d] { d->AlignVCentres(); });
  onAction(r->actArrangeAlignBases, [d] { d->AlignBases(); });
  // Home / Nudge
  on(r->btnNudgeLeft, [this] { DoNudgeLeft(); });
  on(r->btnNudgeRight, [this] { DoNudgeRight(); });
  on(r->btnNudgeUp, [this] { DoNudgeUp(); });
  on(r->btnNudgeDown, [this] { DoNudgeDown(); });
  // Design
  on(r->btnProperties, [this] { DoProperties(); });
  onAction(r->actVSizeTallest, [d] { d->SizeTallest(); });
  onAction(r->actVSizeSame, [d] { d->SizeSameHeight(); });
  onAction(r->actVSizeSmallest, [d] { d->SizeShortest(); });
  onAction(r->actVSizeAverage, [d] { d->SizeAvgHeight(); });
  onAction(r->actHSizeWidest, [d] { d->SizeWidest(); });
  onAction(r->actHSizeSame, [d] { d->SizeSameWidth(); });
  onAction(r->actHSizeThinnest, [d] { d->SizeThinnest(); });
  onAction(r->actHSizeAverage, [d] { d->SizeAvgWidth(); });
  on(r->btnPageLayout, [this] { DoPageSetup(); });
  on(r->btnDuplicate, [d] { d->DoDuplicate(); });
  on(r->btnSnap, [this] { SetSnap(!GetSnap()); });
  on(r->btnSelectNone, [d] { d->SelectNone(); });
  on(r->btnSelectAll, [d] { d->SelectAll(); });
  on(r->btnInvertSelection, [d] { d->InvertSelection(); });
  on(r->btnDeleteObject, [d] { d->DoDelete(); });
  on(r->btnToggleLock, [d] { d->ToggleLocked(); });
  // Print and Print Preview stay inert until printing is built.
}

// --- Formatting commands ------------------------------------------------------------------

void TfDesignPage::DoFontName(const QString& Value)
{
  if (!FDesigner->SetFontNameAll(Value))
    FDefaultObject->SetFontName(Value);
}

void TfDesignPage::DoFontSize(int Value)
{
  if (!FDesigner->SetFontSizeAll(Value))
    FDefaultObject->SetFontSize(Value);
}

void TfDesignPage::DoFontSizeChange(int Delta)
{
  FDesigner->SetFontSizeDeltaAll(Delta);
}

void TfDesignPage::DoFontColour(TColor Value)
{
  if (!FDesigner->SetFontColour(Value))
    FDefaultObject->SetFontColour(Value);
}

void TfDesignPage::DoFillColour(TColor Value)
{
  if (!FDesigner->SetFillColour(Value))
    FDefaultObject->SetFillColour(Value);
}

void TfDesignPage::DoBorderColour(TColor Value)
{
  if (!FDesigner->SetBorderColour(Value))
    FDefaultObject->SetBorderColour(Value);
}

void TfDesignPage::DoBorderStyle(TPenStyle Value)
{
  if (!FDesigner->SetBorderStyle(Value))
    FDefaultObject->SetBorderStyle(Value);
}

void TfDesignPage::DoBorderWidth(int Value)
{
  if (!FDesigner->SetBorderWidth(Value))
    FDefaultObject->SetBorderWidth(Value);
}

void TfDesignPage::DoToggleBold()
{
  FDesigner->SetBoldToggleAll();
}

void TfDesignPage::DoToggleItalic()
{
  FDesigner->SetItalicToggleAll();
}

namespace {
template <typename T>
void AlignOrDefault(TDesignContainer* D, TDesignObject* Default, T Value, bool (TDesignContainer::*Set)(T),
                    void (TDesignObject::*SetDefault)(T))
{
  if (D->HasSelection())
    (D->*Set)(Value);
  else
    (Default->*SetDefault)(Value);
}
} // namespace

void TfDesignPage::DoAlignLefts()
{
  AlignOrDefault(FDesigner, FDefaultObject.get(), daLeft, &TDesignContainer::SetHAlign, &TDesignObject::SetHAlign);
}

void TfDesignPage::DoAlignCentres()
{
  AlignOrDefault(FDesigner, FDefaultObject.get(), daCenter, &TDesignContainer::SetHAlign, &TDesignObject::SetHAlign);
}

void TfDesignPage::DoAlignRights()
{
  AlignOrDefault(FDesigner, FDefaultObject.get(), daRight, &TDesignContainer::SetHAlign, &TDesignObject::SetHAlign);
}

void TfDesignPage::DoAlignFull()
{
  AlignOrDefault(FDesigner, FDefaultObject.get(), daFull, &TDesignContainer::SetHAlign, &TDesignObject::SetHAlign);
}

void TfDesignPage::DoAlignTops()
{
  AlignOrDefault(FDesigner, FDefaultObject.get(), vaTop, &TDesignContainer::SetVAlign, &TDesignObject::SetVAlign);
}

void TfDesignPage::DoAlignMiddles()
{
  AlignOrDefault(FDesigner, FDefaultObject.get(), vaCenter, &TDesignContainer::SetVAlign, &TDesignObject::SetVAlign);
}

void TfDesignPage::DoAlignBases()
{
  AlignOrDefault(FDesigner, FDefaultObject.get(), vaBottom, &TDesignContainer::SetVAlign, &TDesignObject::SetVAlign);
}

void TfDesignPage::DoNudgeLeft() { FDesigner->NudgeX(-1); }
void TfDesignPage::DoNudgeRight() { FDesigner->NudgeX(1); }
void TfDesignPage::DoNudgeUp() { FDesigner->NudgeY(-1); }
void TfDesignPage::DoNudgeDown() { FDesigner->NudgeY(1); }

void TfDesignPage::DoPaste()
{
  FDesigner->DoPaste();
}

// --- The toolbar's view of the selection ---------------------------------------------------

void TfDesignPage::ShowSelectionProperties()
{
  std::vector<TDesignObject*> selected;
  FDesigner->SelectedControls(selected);
  if (selected.empty()) {
    ShowDefaultProperties();
    UpdateStatus();
    return;
  }
  FPropList->Clear();
  selected.front()->GetPropertyList(*FPropList, false);
  for (size_t i = 1; i < selected.size(); ++i)
    selected[i]->GetPropertyList(*FPropList, true);
  if (FPropList->IndexOfName(QStringLiteral("FONTNAME")) >= 0)
    FRibbon->cbFontName->setEditText(FPropList->Values(QStringLiteral("FONTNAME")));
  if (FPropList->IndexOfName(QStringLiteral("FONTSIZE")) >= 0)
    FRibbon->cbFontSize->setEditText(FPropList->Values(QStringLiteral("FONTSIZE")));
  if (FPropList->IndexOfName(QStringLiteral("FONTCOLOUR")) >= 0)
    FRibbon->selFontColour->SetColour(StrToIntLenient(FPropList->Values(QStringLiteral("FONTCOLOUR"))));
  if (FPropList->IndexOfName(QStringLiteral("BORDERCOLOUR")) >= 0)
    FRibbon->selOutlineColour->SetColour(StrToIntLenient(FPropList->Values(QStringLiteral("BORDERCOLOUR"))));
  if (FPropList->IndexOfName(QStringLiteral("FILLCOLOUR")) >= 0)
    FRibbon->selFillColour->SetColour(StrToIntLenient(FPropList->Values(QStringLiteral("FILLCOLOUR"))));
  UpdateStatus();
}

void TfDesignPage::ShowDefaultProperties()
{
  FRibbon->cbFontName->setEditText(FDefaultObject->FontName());
  FRibbon->cbFontSize->setEditText(QString::number(FDefaultObject->FontSize()));
  FRibbon->selFontColour->SetColour(FDefaultObject->FontColour());
  FRibbon->selOutlineColour->SetColour(FDefaultObject->BorderColour());
  FRibbon->selFillColour->SetColour(FDefaultObject->FillColour());
}

bool TfDesignPage::GetSnap() const
{
  TDesignSurface* s = FDesigner->Surface();
  return s && s->SnapToGrid();
}

void TfDesignPage::SetSnap(bool Value)
{
  if (TDesignSurface* s = FDesigner->Surface())
    s->SetSnapToGrid(Value);
  UpdateSnapButton();
}

void TfDesignPage::UpdateSnapButton()
{
  const bool on = GetSnap();
  if (FRibbon)
    FRibbon->btnSnap->setChecked(on);
  if (FActSnap)
    FActSnap->setChecked(on);
}

void TfDesignPage::UpdateStatus()
{
  if (!FStatusSelection)
    return;
  std::vector<TDesignObject*> selected;
  FDesigner->SelectedControls(selected);
  FStatusSelection->setText(selected.empty() ? QStringLiteral("No objects selected")
                            : selected.size() == 1 ? QStringLiteral("1 object selected")
                                                   : QStringLiteral("%1 objects selected").arg(selected.size()));
}

bool TfDesignPage::eventFilter(QObject* Watched, QEvent* Event)
{
  // The window sees keys before its controls: Alt with an arrow nudges the selection.
  if (Event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(Event);
    auto* widget = qobject_cast<QWidget*>(Watched);
    if (widget && widget->window() == this && (key->modifiers() & Qt::AltModifier)) {
      switch (key->key()) {
      case Qt::Key_Left: DoNudgeLeft(); break;
      case Qt::Key_Right: DoNudgeRight(); break;
      case Qt::Key_Up: DoNudgeUp(); break;
      case Qt::Key_Down: DoNudgeDown(); break;
      default: return QMainWindow::eventFilter(Watched, Event);
      }
      UpdateStatus();
      return true;
    }
  }
  return QMainWindow::eventFilter(Watched, Event);
}
