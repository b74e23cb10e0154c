#pragma once
// TfDesignText: the "Text" dialog. It shows the text style of the selection from a
// property list and records the settings the user changes into a second list.
#include "platform/NameValueList.h"

#include "app/PropListDialog.h"

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TColorSelector;

class TfDesignText : public TPropListDialog {
  Q_OBJECT
public:
  explicit TfDesignText(QWidget* Parent = nullptr);

  // Fills the dialog from PropList, runs it modally and records the changed entries into
  // NewPropList. Returns whether the dialog was closed with Ok.
  bool ShowTextDialog(const TNameValueList& PropList, TNameValueList& NewPropList);
  // Puts every control back to its initial state, then sets those whose key PropList holds.
  void SetFromPropList(const TNameValueList& PropList) override;

  QTabWidget* Pages() const { return FPages; }
  QFontComboBox* FontName() const { return FFontName; }
  QComboBox* FontStyle() const { return FFontStyle; }
  QComboBox* FontSize() const { return FFontSize; }
  TColorSelector* FontColour() const { return FFontColour; }
  QComboBox* Ellipsis() const { return FEllipsis; }
  QLabel* Sample() const { return FSample; }
  QComboBox* HAlign() const { return FHAlign; }
  QComboBox* VAlign() const { return FVAlign; }
  QSpinBox* Rotation() const { return FRotation; }
  QSpinBox* Margin() const { return FMargin; }
  QCheckBox* EmbedHtml() const { return FEmbedHtml; }
  QCheckBox* WantHtml() const { return FWantHtml; }
  QPushButton* OkButton() const { return FOk; }
  QPushButton* CancelButton() const { return FCancel; }

private:
  void ResetControls();
  void SetStyle(bool Bold, bool Italic);
  void UpdateSample();

  QString FSampleFamily;
  int FSampleSize = 0;
  bool FSampleBold = false;
  bool FSampleItalic = false;

  QTabWidget* FPages;
  QFontComboBox* FFontName;
  QComboBox* FFontStyle;
  QComboBox* FFontSize;
  TColorSelector* FFontColour;
  QComboBox* FEllipsis;
  QLabel* FSample;
  QComboBox* FHAlign;
  QComboBox* FVAlign;
  QSpinBox* FRotation;
  QSpinBox* FMargin;
  QCheckBox* FEmbedHtml;
  QCheckBox* FWantHtml;
  QPushButton* FOk;
  QPushButton* FCancel;
};
