#pragma once
// TfDesignImagePath: the "Design Image" dialog of dynamic images: the content that names
// the picture and the resize mode. Ok records both, changed or not.
#include "platform/NameValueList.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TfDesignImagePath : public QDialog {
  Q_OBJECT
public:
  explicit TfDesignImagePath(QWidget* Parent = nullptr);

  // Fills the dialog from PropList (TEXT and IMAGEMODE) and runs it modally; on Ok records
  // TEXT and IMAGEMODE into NewPropList. Returns whether the dialog was closed with Ok.
  bool ShowImagePathDialog(const TNameValueList& PropList, TNameValueList& NewPropList);
  // Whether the dialog has been filled from a property list.
  bool HasPropList() const { return FHasPropList; }

  QLineEdit* Content() const { return FContent; }
  QButtonGroup* ResizeMode() const { return FResizeMode; }
  QRadioButton* ResizeModeButton(int Position) const;
  QPushButton* OkButton() const { return FOk; }
  QPushButton* CancelButton() const { return FCancel; }

private:
  void SetResizeMode(int Position);

  TNameValueList* FNewPropList = nullptr;
  bool FHasPropList = false;

  QLineEdit* FContent;
  QButtonGroup* FResizeMode;
  QPushButton* FOk;
  QPushButton* FCancel;
};
