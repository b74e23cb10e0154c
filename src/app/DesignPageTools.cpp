// The creation tools of the main window: which object each tool makes and with which
// settings, and the handlers through which the surfaces make and free objects.
#include "app/DesignPage.h"

#include "app/DesignRibbon.h"
#include "format/ObjectFactory.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "objects/DesignObject.h"

namespace {
constexpr int kToolPicture = 6;
constexpr int kToolLabel = 7;
} // namespace

QString TfDesignPage::ToolClassName(int Tool)
{
  switch (Tool) {
  case 6: return QStringLiteral("TDesignPicture");
  case 8: return QStringLiteral("TDesignBarcode");
  case 9: return QStringLiteral("TDesignBarcode2D");
  case 10: return QStringLiteral("TDesignImagePath");
  case 41: return QStringLiteral("TDesignLeftArrow");
  case 42: return QStringLiteral("TDesignRightArrow");
  case 43: return QStringLiteral("TDesignUpArrow");
  case 44: return QStringLiteral("TDesignDownArrow");
  case 45: return QStringLiteral("TDesignStar5");
  case 46: return QStringLiteral("TDesignCallout");
  case 47: return QStringLiteral("TDesignLeftTriangle");
  case 48: return QStringLiteral("TDesignRightTriangle");
  case 49: return QStringLiteral("TDesignUpTriangle");
  case 50: return QStringLiteral("TDesignDownTriangle");
  case 51: return QStringLiteral("TDesignPLLeft");
  case 52: return QStringLiteral("TDesignPLRight");
  default:
    if (Tool >= 11 && Tool <= 32)
      return QStringLiteral("TDesignOutline");
    return QStringLiteral("TDesignObject");
  }
}

void TfDesignPage::ConnectTools()
{
  connect(FRibbon, &TDesignRibbon::toolChosen, this, [this](int Tool) { SelectTool(Tool); });
  connect(FRibbon, &TDesignRibbon::selectChosen, this, [this] { SelectSelectTool(); });
  OnToolsReset = [this] { FRibbon->ShowSelectDown(); };
}

void TfDesignPage::SelectTool(int Tool)
{
  FToolSelected = Tool;
  FDesigner->SetDesignMode(dmCreate);
}

void TfDesignPage::SelectSelectTool()
{
  FDesigner->SetDesignMode(dmSelect);
}

void TfDesignPage::DoCreateObject(TDesignSurface*, TDesignObject*& NewObj)
{
  const int tool = FToolSelected;
  QString pictureFile;
  if (tool == kToolPicture) {
    FPictureFilter = QStringLiteral(
      "All (*.jpg;*.jpeg;*.bmp;*.emf;*.wmf;*.png)|*.jpg;*.jpeg;*.bmp;*.emf;*.wmf;*.png|"
      "JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|"
      "PNG Image File (*.png)|*.png|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");
    TFileDialogSpec spec;
    spec.Title = QStringLiteral("Open Picture");
    spec.Filter = FPictureFilter;
    pictureFile = FPrompts->ChooseOpenFile(spec);
    if (pictureFile.isEmpty())
      return; // nothing is made; the Picture tool stays chosen
  }
  TDesignObject* obj = DesignObjectFromClassName(ToolClassName(tool));
  static const TBorderShape shapes[] = {bshRect, bshRoundRect, bshEllipse, bshCircle,
                                        bshVLine, bshHLine, bshRect, bshNone};
  if (tool >= 0 && tool <= 7)
    obj->SetBorderShape(shapes[tool]);
  if (tool == kToolPicture) {
    obj->SetImagePath(pictureFile);
    obj->SetImageMode(imStretch);
  } else if (tool != 4 && tool != 5 && !obj->IsOutline()) {
    obj->SetText(QStringLiteral("New Object Text"));
  }
  obj->SetWordWrap(true);
  const TDesignObject* d = FDefaultObject.get();
  obj->SetFontName(d->FontName());
  obj->SetFontSize(d->FontSize());
  obj->SetFontColour(d->FontColour());
  if (tool == kToolLabel) {
    obj->SetBorderStyle(psClear);
    obj->SetBorderWidth(0);
    obj->SetBorderColour(clBlack);
    obj->SetFillStyle(bsClear);
    obj->SetFillColour(clWhite);
  } else {
    obj->SetBorderStyle(d->BorderStyle());
    obj->SetBorderWidth(d->BorderWidth());
    obj->SetBorderColour(d->BorderColour());
    obj->SetFillStyle(d->FillStyle());
    obj->SetFillColour(d->FillColour());
  }
  obj->SetTextMargin(d->TextMargin());
  obj->SetHAlign(d->HAlign());
  obj->SetVAlign(d->VAlign());
  PrepareObject(obj);
  FDesigner->SetDesignMode(dmSelect);
  if (OnToolsReset)
    OnToolsReset();
  NewObj = obj;
}

void TfDesignPage::DoCreateObjectByName(TDesignSurface*, const QString& ClassName, TDesignObject*& NewObj)
{
  NewObj = DesignObjectFromClassName(ClassName);
  PrepareObject(NewObj);
  // Reading a layout makes objects by the thousand: the tools are reset only when a
  // creation tool was still chosen.
  TDesignSurface* s = FDesigner->Surface();
  if (!s || s->DesignMode() != dmSelect) {
    FDesigner->SetDesignMode(dmSelect);
    if (OnToolsReset)
      OnToolsReset();
  }
}

void TfDesignPage::DoDeleteObject(TDesignSurface*, TDesignObject*& NewObj)
{
  delete NewObj;
  NewObj = nullptr;
}

void TfDesignPage::DoSetDefaults(TDesignSurface*, TDesignObject* DesignObject)
{
  const TDesignObject* d = FDefaultObject.get();
  DesignObject->SetFontName(d->FontName());
  DesignObject->SetFontSize(d->FontSize());
  DesignObject->SetFontBold(d->FontBold());
  DesignObject->SetFontItalic(d->FontItalic());
  DesignObject->SetFillColour(d->FillColour());
  DesignObject->SetFillStyle(d->FillStyle());
  DesignObject->SetBorderColour(d->BorderColour());
  DesignObject->SetBorderStyle(d->BorderStyle());
  DesignObject->SetBorderWidth(d->BorderWidth());
}

void TfDesignPage::PrepareObject(TDesignObject* Obj)
{
  Obj->SetCanEdit(true);
  Obj->SetPopupMenu(FObjectMenu);
  Obj->SetSurface(FDesigner->Surface());
  Obj->SetInDesigner(true);
}
