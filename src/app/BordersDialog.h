#pragma once
// TfDesignBorders: the "Borders and Shading" dialog. It shows the fill and border
// settings of the selection from a property list and records the ones the user changes.
#include "platform/NameValueList.h"

#include "app/PropListDialog.h"

class QComboBox;
class QPushButton;
class QSpinBox;
class TColorSelector;

class TfDesignBorders : public TPropListDialog {
  Q_OBJECT
public:
  explicit TfDesignBorders(QWidget* Parent = nullptr);

  // Fills the dialog from PropList, runs it modally and records the changed entries into
  // NewPropList. Returns whether the dialog was closed with Ok.
  bool ShowBorderDialog(const TNameValueList& PropList, TNameValueList& NewPropList);
  // Puts every control back to its initial state, then sets those whose key PropList holds.
  void SetFromPropList(const TNameValueList& PropList) override;

  TColorSelector* FillColour() const { return FFillColour; }
  QComboBox* FillStyle() const { return FFillStyle; }
  TColorSelector* BorderColour() const { return FBorderColour; }
  QComboBox* BorderStyle() const { return FBorderStyle; }
  QSpinBox* BorderWidth() const { return FBorderWidth; }
  QPushButton* OkButton() const { return FOk; }
  QPushButton* CancelButton() const { return FCancel; }

private:
  void ResetControls();


  TColorSelector* FFillColour;
  QComboBox* FFillStyle;
  TColorSelector* FBorderColour;
  QComboBox* FBorderStyle;
  QSpinBox* FBorderWidth;
  QPushButton* FOk;
  QPushButton* FCancel;
};
