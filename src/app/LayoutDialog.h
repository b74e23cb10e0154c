#pragma once
// TfDesignLayout: the "Page Layout" dialog. It edits a page layout directly: paper size,
// orientation, margins and the background picture.
#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TDesignPage;
class TPrompts;

class TfDesignLayout : public QDialog {
  Q_OBJECT
public:
  // Prompts chooses the background picture file (the "..." button).
  TfDesignLayout(TPrompts* Prompts, QWidget* Parent = nullptr);

  // Fills the dialog from Page, runs it modally and, on Ok, writes it back. Returns
  // whether the dialog was closed with Ok; Cancel changes nothing.
  bool ShowDialog(TDesignPage* Page);

  // Writes the dialog's settings into Page (what Ok does).
  void ApplyTo(TDesignPage* Page) const;
  // Fills the controls from Page.
  void FillFrom(const TDesignPage* Page);

  QComboBox* PaperSize() const { return FPaperSize; }
  QRadioButton* Portrait() const { return FPortrait; }
  QRadioButton* Landscape() const { return FLandscape; }
  QSpinBox* LeftMargin() const { return FLeft; }
  QSpinBox* TopMargin() const { return FTop; }
  QSpinBox* RightMargin() const { return FRight; }
  QSpinBox* BottomMargin() const { return FBottom; }
  QRadioButton* NoBackground() const { return FNoImage; }
  QRadioButton* UseBackground() const { return FUseImage; }
  QLineEdit* ImagePath() const { return FImagePath; }
  QPushButton* BrowseButton() const { return FBrowse; }
  QButtonGroup* ScalingMode() const { return FScaling; }
  QPushButton* OkButton() const { return FOk; }
  QPushButton* CancelButton() const { return FCancel; }

private:
  void Browse();

  TPrompts* FPrompts;
  QComboBox* FPaperSize;
  QRadioButton* FPortrait;
  QRadioButton* FLandscape;
  QSpinBox* FLeft;
  QSpinBox* FTop;
  QSpinBox* FRight;
  QSpinBox* FBottom;
  QRadioButton* FNoImage;
  QRadioButton* FUseImage;
  QLineEdit* FImagePath;
  QPushButton* FBrowse;
  QButtonGroup* FScaling;
  QPushButton* FOk;
  QPushButton* FCancel;
};

// The picture filter of the picture file choosers.
QString PictureFileFilter();
