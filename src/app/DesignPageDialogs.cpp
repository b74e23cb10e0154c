// The property dialogs as the main window runs them: each is filled from a property
// list and returns the entries the user changed, which the surface applies to the
// selection as one undoable step.
#include "app/DesignPage.h"

#include "app/AboutDialog.h"
#include "app/BordersDialog.h"
#include "app/ImageDialog.h"
#include "app/ImagePathDialog.h"
#include "app/LayoutDialog.h"
#include "app/PositionDialog.h"
#include "app/TextDialog.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "objects/DesignImage.h"
#include "objects/DesignObject.h"
#include "platform/NameValueList.h"
#include "platform/Rounding.h"

namespace {
TDesignObject* ReferenceObject(TDesignContainer* D)
{
  TDesignSurface* s = D->Surface();
  return s ? s->FirstSelected() : nullptr;
}
} // namespace

void TfDesignPage::DoProperties()
{
  TDesignObject* ref = ReferenceObject(FDesigner);
  if (!ref)
    return;
  const QString kind = ref->ClassName();
  if (kind == u"TDesignPicture")
    DoImageDialog();
  else if (kind == u"TDesignImagePath")
    DoImagePathDialog();
  else
    DoTextDialog(); // barcode dialogs come with the barcode kinds
}

void TfDesignPage::DoTextDialog()
{
  TNameValueList changed;
  TfDesignText dialog(this);
  if (dialog.ShowTextDialog(*FPropList, changed))
    FDesigner->SetPropertyList(changed);
}

void TfDesignPage::DoBorderDialog()
{
  TNameValueList changed;
  TfDesignBorders dialog(this);
  if (dialog.ShowBorderDialog(*FPropList, changed))
    FDesigner->SetPropertyListAll(changed);
}

void TfDesignPage::DoImageDialog()
{
  TNameValueList changed;
  TfDesignImage dialog(this);
  dialog.OnResizeImage = [this] { FDesigner->ResizeImagesAll(); };
  dialog.OnReloadImage = [this] { FDesigner->ReloadImagesAll(); };
  dialog.OnChangeImage = [this] {
    TFileDialogSpec spec;
    spec.Title = QStringLiteral("Open Picture");
    spec.Filter = FPictureFilter.isEmpty() ? PictureFileFilter() : FPictureFilter;
    const QString file = FPrompts->ChooseOpenFile(spec);
    if (!file.isEmpty())
      FDesigner->SetImagePathAll(file);
  };
  if (dialog.ShowDialog(*FPropList, changed))
    FDesigner->SetPropertyList(changed);
}

void TfDesignPage::DoImagePathDialog()
{
  TDesignObject* ref = ReferenceObject(FDesigner);
  if (!ref)
    return;
  TNameValueList own, changed;
  ref->GetPropertyList(own, false);
  TfDesignImagePath dialog(this);
  if (dialog.ShowImagePathDialog(own, changed))
    FDesigner->SetPropertyList(changed);
}

void TfDesignPage::DoPositionDialog()
{
  TDesignObject* ref = ReferenceObject(FDesigner);
  if (!ref)
    return;
  double left = ref->StoreLeft() / 10.0, top = ref->StoreTop() / 10.0;
  double width = ref->StoreWidth() / 10.0, height = ref->StoreHeight() / 10.0;
  int autoSize = ref->Autosize();
  TfDesignPosition dialog(FPrompts.get(), this);
  if (dialog.ShowDialog(left, top, width, height, autoSize))
    FDesigner->SetPositionAll(RoundEven(left * 10), RoundEven(top * 10), RoundEven(width * 10), RoundEven(height * 10),
                              autoSize);
}

void TfDesignPage::DoAbout()
{
  TfAbout about(this);
  about.exec();
}
