// The container's command forwarding: each command goes to the current band's surface,
// or in its "All" form to every band's surface in band order.
#include "model/Container.h"

#include "model/Band.h"
#include "model/Surface.h"
#include "objects/DesignObject.h"

void TDesignContainer::AlignBases()
{
  if (TDesignSurface* s = Surface())
    s->AlignBases();
}

void TDesignContainer::AlignBasesAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->AlignBases();
}

void TDesignContainer::AlignLefts()
{
  if (TDesignSurface* s = Surface())
    s->AlignLefts();
}

void TDesignContainer::AlignLeftsAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->AlignLefts();
}

void TDesignContainer::AlignRights()
{
  if (TDesignSurface* s = Surface())
    s->AlignRights();
}

void TDesignContainer::AlignRightsAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->AlignRights();
}

void TDesignContainer::AlignHCentres()
{
  if (TDesignSurface* s = Surface())
    s->AlignHCentres();
}

void TDesignContainer::AlignHCentresAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->AlignHCentres();
}

void TDesignContainer::AlignTops()
{
  if (TDesignSurface* s = Surface())
    s->AlignTops();
}

void TDesignContainer::AlignTopsAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->AlignTops();
}

void TDesignContainer::AlignVCentres()
{
  if (TDesignSurface* s = Surface())
    s->AlignVCentres();
}

void TDesignContainer::AlignVCentresAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->AlignVCentres();
}

void TDesignContainer::SizeThinnest()
{
  if (TDesignSurface* s = Surface())
    s->SizeThinnest();
}

void TDesignContainer::SizeThinnestAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->SizeThinnest();
}

void TDesignContainer::SizeWidest()
{
  if (TDesignSurface* s = Surface())
    s->SizeWidest();
}

void TDesignContainer::SizeWidestAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->SizeWidest();
}

void TDesignContainer::SizeShortest()
{
  if (TDesignSurface* s = Surface())
    s->SizeShortest();
}

void TDesignContainer::SizeShortestAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->SizeShortest();
}

void TDesignContainer::SizeTallest()
{
  if (TDesignSurface* s = Surface())
    s->SizeTallest();
}

void TDesignContainer::SizeTallestAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->SizeTallest();
}

void TDesignContainer::SizeSameHeight()
{
  if (TDesignSurface* s = Surface())
    s->SizeSameHeight();
}

void TDesignContainer::SizeSameHeightAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->SizeSameHeight();
}

void TDesignContainer::SizeSameWidth()
{
  if (TDesignSurface* s = Surface())
    s->SizeSameWidth();
}

void TDesignContainer::SizeSameWidthAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->SizeSameWidth();
}

void TDesignContainer::SizeAvgHeight()
{
  if (TDesignSurface* s = Surface())
    s->SizeAvgHeight();
}

void TDesignContainer::SizeAvgHeightAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->SizeAvgHeight();
}

void TDesignContainer::SizeAvgWidth()
{
  if (TDesignSurface* s = Surface())
    s->SizeAvgWidth();
}

void TDesignContainer::SizeAvgWidthAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->SizeAvgWidth();
}

void TDesignContainer::ToggleLocked()
{
  if (TDesignSurface* s = Surface())
    s->ToggleLocked();
}

void TDesignContainer::ToggleLockedAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->ToggleLocked();
}

void TDesignContainer::Lock()
{
  if (TDesignSurface* s = Surface())
    s->Lock();
}

void TDesignContainer::LockAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->Lock();
}

void TDesignContainer::Unlock()
{
  if (TDesignSurface* s = Surface())
    s->Unlock();
}

void TDesignContainer::UnlockAll()
{
  for (TDesignBand* band : FBands)
    band->Surface()->Unlock();
}

void TDesignContainer::DoCopy()
{
  if (TDesignSurface* s = Surface())
    s->DoCopy();
}

void TDesignContainer::DoCut()
{
  if (TDesignSurface* s = Surface())
    s->DoCut();
}

void TDesignContainer::DoDelete()
{
  if (TDesignSurface* s = Surface())
    s->DoDelete();
}

void TDesignContainer::DoDuplicate()
{
  if (TDesignSurface* s = Surface())
    s->DoDuplicate();
}

void TDesignContainer::DoPaste()
{
  if (TDesignSurface* s = Surface())
    s->DoPaste();
}

void TDesignContainer::SelectAll()
{
  if (TDesignSurface* s = Surface())
    s->SelectAll();
}

void TDesignContainer::SelectNone()
{
  if (TDesignSurface* s = Surface())
    s->SelectNone();
}

void TDesignContainer::InvertSelection()
{
  if (TDesignSurface* s = Surface())
    s->InvertSelection();
}

void TDesignContainer::SendBack()
{
  if (TDesignSurface* s = Surface())
    s->SendBack();
}

void TDesignContainer::SendBackward()
{
  if (TDesignSurface* s = Surface())
    s->SendBackward();
}

void TDesignContainer::SendFront()
{
  if (TDesignSurface* s = Surface())
    s->SendFront();
}

void TDesignContainer::SendForward()
{
  if (TDesignSurface* s = Surface())
    s->SendForward();
}

void TDesignContainer::NudgeX(int X)
{
  if (TDesignSurface* s = Surface())
    s->NudgeX(X);
}

void TDesignContainer::NudgeY(int Y)
{
  if (TDesignSurface* s = Surface())
    s->NudgeY(Y);
}

bool TDesignContainer::ReloadImages()
{
  TDesignSurface* s = Surface();
  return s ? s->ReloadImages() : false;
}

bool TDesignContainer::ReloadImagesAll()
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->ReloadImages() || any;
  return any;
}

bool TDesignContainer::ResizeImages()
{
  TDesignSurface* s = Surface();
  return s ? s->ResizeImages() : false;
}

bool TDesignContainer::ResizeImagesAll()
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->ResizeImages() || any;
  return any;
}

bool TDesignContainer::SetHAlign(TAlignments Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetHAlign(Value) : false;
}

bool TDesignContainer::SetHAlignAll(TAlignments Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetHAlign(Value) || any;
  return any;
}

bool TDesignContainer::SetVAlign(TVerticalAlignment Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetVAlign(Value) : false;
}

bool TDesignContainer::SetVAlignAll(TVerticalAlignment Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetVAlign(Value) || any;
  return any;
}

bool TDesignContainer::SetFontName(const QString& Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetFontName(Value) : false;
}

bool TDesignContainer::SetFontNameAll(const QString& Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetFontName(Value) || any;
  return any;
}

bool TDesignContainer::SetFontSize(int Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetFontSize(Value) : false;
}

bool TDesignContainer::SetFontSizeAll(int Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetFontSize(Value) || any;
  return any;
}

bool TDesignContainer::SetFontSizeDelta(int Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetFontSizeDelta(Value) : false;
}

bool TDesignContainer::SetFontSizeDeltaAll(int Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetFontSizeDelta(Value) || any;
  return any;
}

bool TDesignContainer::SetFontColour(TColor Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetFontColour(Value) : false;
}

bool TDesignContainer::SetFontColourAll(TColor Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetFontColour(Value) || any;
  return any;
}

bool TDesignContainer::SetFillColour(TColor Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetFillColour(Value) : false;
}

bool TDesignContainer::SetFillColourAll(TColor Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetFillColour(Value) || any;
  return any;
}

bool TDesignContainer::SetBorderColour(TColor Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetBorderColour(Value) : false;
}

bool TDesignContainer::SetBorderColourAll(TColor Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetBorderColour(Value) || any;
  return any;
}

bool TDesignContainer::SetBorderStyle(TPenStyle Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetBorderStyle(Value) : false;
}

bool TDesignContainer::SetBorderStyleAll(TPenStyle Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetBorderStyle(Value) || any;
  return any;
}

bool TDesignContainer::SetBorderWidth(int Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetBorderWidth(Value) : false;
}

bool TDesignContainer::SetBorderWidthAll(int Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetBorderWidth(Value) || any;
  return any;
}

bool TDesignContainer::SetBoldToggle()
{
  TDesignSurface* s = Surface();
  return s ? s->SetBoldToggle() : false;
}

bool TDesignContainer::SetBoldToggleAll()
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetBoldToggle() || any;
  return any;
}

bool TDesignContainer::SetItalicToggle()
{
  TDesignSurface* s = Surface();
  return s ? s->SetItalicToggle() : false;
}

bool TDesignContainer::SetItalicToggleAll()
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetItalicToggle() || any;
  return any;
}

bool TDesignContainer::SetImagePath(const QString& Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetImagePath(Value) : false;
}

bool TDesignContainer::SetImagePathAll(const QString& Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetImagePath(Value) || any;
  return any;
}

bool TDesignContainer::SetPropertyList(const TNameValueList& Value)
{
  TDesignSurface* s = Surface();
  return s ? s->SetPropertyList(Value) : false;
}

bool TDesignContainer::SetPropertyListAll(const TNameValueList& Value)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetPropertyList(Value) || any;
  return any;
}

bool TDesignContainer::SetPosition(int X, int Y, int W, int H, int A)
{
  TDesignSurface* s = Surface();
  return s ? s->SetPosition(X, Y, W, H, A) : false;
}

bool TDesignContainer::SetPositionAll(int X, int Y, int W, int H, int A)
{
  bool any = false;
  for (TDesignBand* band : FBands)
    any = band->Surface()->SetPosition(X, Y, W, H, A) || any;
  return any;
}
