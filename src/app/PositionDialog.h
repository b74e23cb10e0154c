#pragma once
// TfDesignPosition: the "Position" dialog. It edits the left, top, width and height of
// the reference object in millimetres and its autosize mode; entries that are not plain
// numbers are refused with a notice when they are left.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class TPrompts;

class TfDesignPosition : public QDialog {
  Q_OBJECT
public:
  // Prompts shows the notices about entries that are not numbers.
  explicit TfDesignPosition(TPrompts* Prompts, QWidget* Parent = nullptr);

  // Shows the values (millimetres) and the autosize mode, runs the dialog modally and, on
  // Ok, writes the entries back. Returns whether the dialog was closed with Ok.
  bool ShowDialog(double& Left, double& Top, double& Width, double& Height, int& AutoSize);

  QLineEdit* LeftEdit() const { return FLeft; }
  QLineEdit* TopEdit() const { return FTop; }
  QLineEdit* WidthEdit() const { return FWidth; }
  QLineEdit* HeightEdit() const { return FHeight; }
  QComboBox* AutoSizeList() const { return FAutoSize; }
  QPushButton* OkButton() const { return FOk; }
  QPushButton* CancelButton() const { return FCancel; }

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  struct TEntry {
    QLineEdit* Edit;
    double* Orig;
    const char* Name;
  };
  TEntry Entry(int Index);
  bool CheckEntry(const TEntry& E);
  double EntryValue(const TEntry& E) const;
  void TryAccept();

  TPrompts* FPrompts;
  double FOrigLeft = 0;
  double FOrigTop = 0;
  double FOrigWidth = 0;
  double FOrigHeight = 0;
  bool FChecking = false;

  QLineEdit* FLeft;
  QLineEdit* FTop;
  QLineEdit* FWidth;
  QLineEdit* FHeight;
  QComboBox* FAutoSize;
  QPushButton* FOk;
  QPushButton* FCancel;
};
