#pragma once
// TfAbout: the "About" box: the program's picture, name, build version and copyright.
#include <QDialog>

class QLabel;
class QPushButton;

class TfAbout : public QDialog {
  Q_OBJECT
public:
  explicit TfAbout(QWidget* Parent = nullptr);

  // The build version, "unknown" when the build did not supply one.
  static QString BuildVersion();
  static QString Copyright();

  QLabel* Picture() const { return FPicture; }
  QLabel* ProductName() const { return FProductName; }
  QLabel* Version() const { return FVersion; }
  QLabel* CopyrightLine() const { return FCopyright; }
  QPushButton* CloseButton() const { return FClose; }

private:
  QLabel* FPicture;
  QLabel* FProductName;
  QLabel* FVersion;
  QLabel* FCopyright;
  QPushButton* FClose;
};
