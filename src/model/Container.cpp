#include "model/Container.h"

#include "editing/Undo.h"
#include "model/Band.h"
#include "model/PageLayout.h"
#include "objects/DesignObject.h"

#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

TDesignContainer::TDesignContainer(QWidget* Parent)
  : QScrollArea(Parent)
  , FArea(new QWidget)
  , FUnits(std::make_unique<TDesignUnits>())
  , FPageLayout(std::make_unique<TDesignPage>())
  , FUndoManager(std::make_unique<TDesignUndoManager>())
{
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(false);
  FArea->setAutoFillBackground(true);
  QPalette pal = FArea->palette();
  pal.setColor(QPalette::Window, Qt::white);
  FArea->setPalette(pal);
  setBackgroundRole(QPalette::Base);
  setWidget(FArea);
  verticalScrollBar()->setSingleStep(20);
  horizontalScrollBar()->setSingleStep(20);
}

TDesignContainer::~TDesignContainer()
{
  FLayingOut = true;
  ClearBands();
  FUndoManager.reset();
}

void TDesignContainer::Undo()
{
  if (FUndoManager)
    FUndoManager->Undo();
}

TDesignBand* TDesignContainer::CreateBand()
{
  auto* band = new TDesignBand(FArea);
  band->SetUnits(FUnits.get());
  band->SetContainer(this);
  TDesignSurface* s = band->Surface();
  s->SetUnits(FUnits.get());
  s->OnCreateObjectByName = OnCreateObjectByName;
  s->OnCreateObject = OnCreateObject;
  s->OnDeleteObject = OnDeleteObject;
  s->OnSelectionChanged = OnSelectionChanged;
  s->SetParentDeletes(FParentDeletes);
  s->OnGetUndoManager = [this](TDesignSurface* Sender, TDesignUndoManager*& M) { GetUndoManager(Sender, M); };
  s->OnSetDefaults = OnSetDefaults;
  band->show();
  return band;
}

TDesignBand* TDesignContainer::AppendBand()
{
  TDesignBand* band = CreateBand();
  FBands.push_back(band);
  LayoutBands();
  return band;
}

TDesignBand* TDesignContainer::InsertBand(int Position)
{
  TDesignBand* band = CreateBand();
  FBands.insert(FBands.begin() + std::clamp(Position, 0, Bands()), band);
  LayoutBands();
  return band;
}

void TDesignContainer::DeleteBand(int Position)
{
  if (TDesignBand* band = Band(Position)) {
    FBands.erase(FBands.begin() + Position);
    delete band;
  }
  LayoutBands();
  Redraw();
}

void TDesignContainer::ClearBands()
{
  for (int i = Bands() - 1; i >= 0; --i)
    DeleteBand(i);
}

TDesignBand* TDesignContainer::Band(int Index) const
{
  return Index >= 0 && Index < Bands() ? FBands[size_t(Index)] : nullptr;
}

TDesignBand* TDesignContainer::CurrentBand() const
{
  if (FBands.empty())
    return nullptr;
  if (FBands.size() == 1)
    return FBands.front();
  return Band(std::max(FSelectedBand, 0));
}

TDesignSurface* TDesignContainer::Surface() const
{
  TDesignBand* band = CurrentBand();
  return band ? band->Surface() : nullptr;
}

void TDesignContainer::FocusBand(int Index)
{
  for (int i = 0; i < Bands(); ++i)
    FBands[size_t(i)]->ShowFocus(i == Index);
  if (Band(Index))
    FSelectedBand = Index;
}

void TDesignContainer::Redraw()
{
  FArea->update();
  viewport()->update();
}

void TDesignContainer::LayoutBands()
{
  if (FLayingOut)
    return;
  FLayingOut = true;
  int designWidth = 0;
  int total = 0;
  for (TDesignBand* band : FBands) {
    designWidth = std::max(designWidth, band->DesignWidth());
    total += band->height();
  }
  const QSize view = viewport()->size();
  const int areaWidth = std::max(designWidth, view.width());
  int y = 0;
  for (TDesignBand* band : FBands) {
    band->setGeometry(0, y, areaWidth, band->height());
    y += band->height();
  }
  FArea->resize(areaWidth, std::max(total, view.height()));
  FLayingOut = false;
}

void TDesignContainer::resizeEvent(QResizeEvent* Event)
{
  QScrollArea::resizeEvent(Event);
  LayoutBands();
}

bool TDesignContainer::Changed() const
{
  return FUndoManager ? FUndoManager->Changed() : false;
}

void TDesignContainer::SetDesignMode(TDesignMode Mode)
{
  for (TDesignBand* band : FBands)
    band->Surface()->SetDesignMode(Mode);
}

void TDesignContainer::GetUndoManager(TDesignSurface*, TDesignUndoManager*& Manager)
{
  Manager = FUndoManager.get();
}

int TDesignContainer::ControlCount() const
{
  TDesignSurface* s = Surface();
  return s ? s->ControlCount() : 0;
}

int TDesignContainer::ControlCountAll() const
{
  int n = 0;
  for (TDesignBand* band : FBands)
    n += band->Surface()->ControlCount();
  return n;
}

TDesignObject* TDesignContainer::Control(int Index) const
{
  TDesignSurface* s = Surface();
  return s ? s->GetControl(Index) : nullptr;
}

bool TDesignContainer::HasSelection() const
{
  TDesignSurface* s = Surface();
  return s && s->HasSelection();
}

bool TDesignContainer::HasSelectionAll() const
{
  for (TDesignBand* band : FBands)
    if (band->Surface()->HasSelection())
      return true;
  return false;
}

void TDesignContainer::SelectedControls(std::vector<TDesignObject*>& AList) const
{
  AList.clear();
  if (TDesignSurface* s = Surface())
    s->SelectedControls(AList);
}
