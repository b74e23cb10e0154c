#pragma once
// TfDesignImage: the "Image Properties" dialog of pictures. It records the chosen image
// mode; its three buttons act on the pictures at once, through the main window.
#include "platform/NameValueList.h"

#include "app/PropListDialog.h"

#include <functional>

class QComboBox;
class QPushButton;

class TfDesignImage : public TPropListDialog {
  Q_OBJECT
public:
  explicit TfDesignImage(QWidget* Parent = nullptr);

  // Fills the dialog from PropList, runs it modally and records the changed entries into
  // NewPropList. Returns whether the dialog was closed with Ok.
  bool ShowDialog(const TNameValueList& PropList, TNameValueList& NewPropList);
  // Puts the list back to its initial state, then sets it when PropList holds IMAGEMODE.
  void SetFromPropList(const TNameValueList& PropList) override;

  // The actions of "Reload Image", "Resize" and "Change...".
  std::function<void()> OnReloadImage;
  std::function<void()> OnResizeImage;
  std::function<void()> OnChangeImage;

  QComboBox* ImageMode() const { return FImageMode; }
  QPushButton* ReloadButton() const { return FReload; }
  QPushButton* ResizeButton() const { return FResize; }
  QPushButton* ChangeButton() const { return FChange; }
  QPushButton* OkButton() const { return FOk; }
  QPushButton* CancelButton() const { return FCancel; }

private:


  QComboBox* FImageMode;
  QPushButton* FReload;
  QPushButton* FResize;
  QPushButton* FChange;
  QPushButton* FOk;
  QPushButton* FCancel;
};
