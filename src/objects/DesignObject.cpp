#include "objects/DesignObject.h"

#include "model/PageLayout.h"
#include "model/Surface.h"
#include "objects/DesignImage.h"
#include "platform/Rounding.h"

#include <QPlainTextEdit>

#include <atomic>

QString NextElementName()
{
  static std::atomic<long long> counter{0};
  return QStringLiteral("_elem_") + QString::number(++counter);
}

TDesignObject::TDesignObject()
{
  Clear();
  FName = NextElementName();
}

TDesignObject::~TDesignObject()
{
  delete FEditor;
}

void TDesignObject::SetParent(TDesignSurface* v)
{
  if (FParent == v)
    return;
  Invalidate();
  FParent = v;
  Invalidate();
}

void TDesignObject::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
  const QRect r(ALeft, ATop, AWidth, AHeight);
  if (r == FBounds)
    return;
  const QRect old = FBounds;
  FBounds = r;
  if (FParent && FVisible)
    FParent->ObjectBoundsChanged(this, old);
}

void TDesignObject::SetVisible(bool v)
{
  if (FVisible == v)
    return;
  FVisible = v;
  if (FParent)
    FParent->InvalidateObjectRect(FBounds);
}

void TDesignObject::Invalidate()
{
  if (FParent && FVisible)
    FParent->InvalidateObjectRect(FBounds);
}

void TDesignObject::Redraw()
{
  if (!Loading)
    Invalidate();
}

void TDesignObject::ClearImage()
{
  if (FHasImage)
    FImage.reset();
}

void TDesignObject::Clear()
{
  ClearImage();
  FImage.reset();
  FColor = clWhite;
  FSelectMode = smNone;
  MoveMode = mmNone;
  FLocked = false;
  FBorderShape = bshNone;
  FBorderStyle = psSolid;
  FBorderColour = clBlack;
  FBorderWidth = 1;
  FFillStyle = bsSolid;
  FFillColour = clWhite;
  FText.clear();
  FFontName = QStringLiteral("Arial");
  FFontSize = 9;
  FFontStyle = 0;
  FFontColour = clBlack;
  FTextRotation = 0;
  FHAlign = daLeft;
  FVAlign = vaTop;
  FTextMargin = 0;
  FEllipsis = false;
  FWordWrap = false;
  FExpandTabs = true;
  FCanEdit = false;
  FEditing = false;
  FHasImage = false;
  FImageMode = imNone;
  FImagePath.clear();
  Loading = false;
  delete FEditor;
  FEditor = nullptr;
  OnMoved = nullptr;
  OnSelected = nullptr;
  FUnits = nullptr;
  FContent.clear();
  FFormat.clear();
  FDataType = 0;
  FSummary = 0;
  FWantHTML = false;
  FEmbedHTML = false;
}

void TDesignObject::SetSelectMode(TSelectMode v)
{
  FSelectMode = v;
  Invalidate();
}

void TDesignObject::SetLocked(bool v)
{
  FLocked = v;
  Redraw();
}

void TDesignObject::SetStoreLeft(int v)
{
  FStoreLeft = v;
  SetLeft(FUnits ? RoundEven(FUnits->StoreToPixelsX(v)) : v);
}

void TDesignObject::SetStoreTop(int v)
{
  FStoreTop = v;
  SetTop(FUnits ? RoundEven(FUnits->StoreToPixelsY(v)) : v);
}

void TDesignObject::SetStoreWidth(int v)
{
  FStoreWidth = v;
  SetWidth(FUnits ? RoundEven(FUnits->StoreToPixelsX(v)) : v);
}

void TDesignObject::SetStoreHeight(int v)
{
  FStoreHeight = v;
  SetHeight(FUnits ? RoundEven(FUnits->StoreToPixelsY(v)) : v);
}

void TDesignObject::UpdateStoreLeft()
{
  FStoreLeft = FUnits ? RoundEven(FUnits->PixelsToStoreX(Left())) : Left();
}

void TDesignObject::UpdateStoreTop()
{
  FStoreTop = FUnits ? RoundEven(FUnits->PixelsToStoreY(Top())) : Top();
}

void TDesignObject::UpdateStoreWidth()
{
  FStoreWidth = FUnits ? RoundEven(FUnits->PixelsToStoreX(Width())) : Width();
}

void TDesignObject::UpdateStoreHeight()
{
  FStoreHeight = FUnits ? RoundEven(FUnits->PixelsToStoreY(Height())) : Height();
}

void TDesignObject::UpdateStoreAll()
{
  UpdateStoreLeft();
  UpdateStoreTop();
  UpdateStoreWidth();
  UpdateStoreHeight();
}

void TDesignObject::Paint(TCanvas&)
{
}
