#pragma once
// The common part of the object dialogs that work on property lists: filled from one
// list, they record the entries the user changes into a second, which the main window
// then applies to the selection.
#include "platform/NameValueList.h"

#include <QDialog>

class TPropListDialog : public QDialog {
public:
  using QDialog::QDialog;
  // Sets the controls from PropList; keys that are missing leave their control as it is.
  virtual void SetFromPropList(const TNameValueList& PropList) = 0;

protected:
  // Fills the dialog from PropList and runs it modally, recording changes into
  // NewPropList; true when it was closed with Ok.
  bool RunOn(const TNameValueList& PropList, TNameValueList& NewPropList)
  {
    FNewPropList = &NewPropList;
    SetFromPropList(PropList);
    const bool ok = exec() == QDialog::Accepted;
    FNewPropList = nullptr;
    return ok;
  }
  // Sets Key := Value in the list of changes, unless the dialog is filling its controls.
  void Record(const QString& Key, const QString& Value)
  {
    if (!FLoading && FNewPropList)
      FNewPropList->SetValue(Key, Value);
  }

  TNameValueList* FNewPropList = nullptr;
  bool FLoading = false;
};
