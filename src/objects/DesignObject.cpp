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

void TDesignObject::RefreshObject()
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
  if (v == smNone)
    StopEdit();
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

void TDesignObject::SetStoreBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
  FStoreLeft = ALeft;
  FStoreTop = ATop;
  FStoreWidth = AWidth;
  FStoreHeight = AHeight;
  if (!FUnits) {
    SetBounds(ALeft, ATop, AWidth, AHeight);
    return;
  }
  SetBounds(RoundEven(FUnits->StoreToPixelsX(ALeft)), RoundEven(FUnits->StoreToPixelsY(ATop)),
            RoundEven(FUnits->StoreToPixelsX(AWidth)), RoundEven(FUnits->StoreToPixelsY(AHeight)));
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

// --- Formatting properties -------------------------------------------------------------

void TDesignObject::SetText(const QString& v)
{
  FText = v;
  Redraw();
}

void TDesignObject::SetFontName(const QString& v)
{
  const QString trimmed = v.trimmed();
  FFontName = trimmed.isEmpty() ? QStringLiteral("Arial") : trimmed;
  Redraw();
}

void TDesignObject::SetFontSize(int v)
{
  FFontSize = v;
  Redraw();
}

void TDesignObject::SetFontStyle(int v)
{
  FFontStyle = v;
  Redraw();
}

void TDesignObject::SetFontBold(bool v)
{
  FFontStyle = v ? (FFontStyle | fsBold) : (FFontStyle & ~fsBold);
  Redraw();
}

void TDesignObject::SetFontItalic(bool v)
{
  FFontStyle = v ? (FFontStyle | fsItalic) : (FFontStyle & ~fsItalic);
  Redraw();
}

void TDesignObject::SetHAlign(TAlignments v)
{
  FHAlign = v;
  Redraw();
}

void TDesignObject::SetVAlign(TVerticalAlignment v)
{
  FVAlign = v;
  Redraw();
}

Qt::Alignment TDesignObject::Alignment() const
{
  switch (FHAlign) {
  case daRight: return Qt::AlignRight;
  case daCenter: return Qt::AlignHCenter;
  default: return Qt::AlignLeft;
  }
}

void TDesignObject::SetTextMargin(int v)
{
  FTextMargin = v;
  Redraw();
}

void TDesignObject::SetTextRotation(int v)
{
  FTextRotation = v;
  Redraw();
}

void TDesignObject::SetWordWrap(bool v)
{
  FWordWrap = v;
  Redraw();
}

void TDesignObject::SetEllipsis(bool v)
{
  FEllipsis = v;
  Redraw();
}

void TDesignObject::SetExpandTabs(bool v)
{
  FExpandTabs = v;
  Redraw();
}

void TDesignObject::SetBorderShape(TBorderShape v)
{
  FBorderShape = v;
  Redraw();
}

void TDesignObject::SetBorderStyle(TPenStyle v)
{
  FBorderStyle = v;
  Redraw();
}

void TDesignObject::SetBorderColour(TColor v)
{
  FBorderColour = v;
  Redraw();
}

void TDesignObject::SetBorderWidth(int v)
{
  FBorderWidth = v;
  Redraw();
}

void TDesignObject::SetFillColour(TColor v)
{
  FFillColour = v;
  Redraw();
}

void TDesignObject::SetFillStyle(TBrushStyle v)
{
  FFillStyle = v;
  Redraw();
}

void TDesignObject::SetImage(std::unique_ptr<TDesignImage> v)
{
  FImage = std::move(v);
  FHasImage = FImage != nullptr;
  Redraw();
}

void TDesignObject::SetImageMode(TImageMode v)
{
  FImageMode = v;
  Redraw();
}

TDesignImageType TDesignObject::GetImageTypeFromPath(const QString& Value)
{
  return TDesignImage::GetImageTypeFromName(Value);
}

void TDesignObject::SetImagePath(const QString& Value)
{
  if (!FHasImage || !FImage)
    FImage = std::make_unique<TDesignImage>();
  try {
    FImage->LoadFromFile(Value);
  } catch (const EDesignImageError&) {
    FHasImage = false;
    FImage.reset();
    return;
  }
  FImagePath = Value;
  // The kind read from the content, which differs from the extension's for a
  // misnamed file.
  FImageType = FImage->ImageType();
  FHasImage = true;
}

void TDesignObject::LoadEncodedImage(QByteArrayView Value)
{
  if (!FHasImage || !FImage)
    FImage = std::make_unique<TDesignImage>();
  FImage->SetImageType(FImageType);
  FImage->DecodeImage(Value);
  FHasImage = true;
}

void TDesignObject::ReloadImage()
{
  if (!FImagePath.isEmpty())
    SetImagePath(FImagePath);
}

void TDesignObject::ResizeImage()
{
  if (!FHasImage || !FImage)
    return;
  const int w = FImage->PictureWidth(), h = FImage->PictureHeight();
  FStoreHeight = FUnits ? RoundEven(FUnits->PixelsToStoreY(h)) : h;
  FStoreWidth = FUnits ? RoundEven(FUnits->PixelsToStoreX(w)) : w;
  SetBounds(Left(), Top(), w, h);
}

QByteArray TDesignObject::EncodedImage() const
{
  return FHasImage && FImage ? FImage->GetEncodedImage() : QByteArray();
}

void TDesignObject::SetData(int, const QString& Value)
{
  FText = Value;
}
