#pragma once
// The generic pieces of the ribbon: a tab bar of pages, each page a row of titled groups
// of large and small tool buttons, split buttons that remember their last entry, and the
// Office-style selectors for colours, pen widths and pen styles.
#include "platform/Colors.h"

#include <QTabWidget>
#include <QToolButton>

#include <initializer_list>

class QAction;
class QBoxLayout;
class QHBoxLayout;
class QMenu;
class QVBoxLayout;

// The sizes a ribbon button comes in: icon above caption, icon beside caption (icon only
// when the caption is empty), and the gallery size of the shape pages.
enum class TRibbonButtonSize { Large, Small, Medium };

// Gives a tool button the look of its ribbon size: icon size, text placement, flat face.
void StyleRibbonButton(QToolButton* button, TRibbonButtonSize size);

// A flat tool button with an icon from the resources (":/icons/<icon>.svg"), a caption
// and a hint shown as its tooltip.
QToolButton* MakeRibbonButton(const QString& icon, const QString& caption, const QString& hint,
                              QWidget* parent = nullptr);

// A button whose whole face opens its menu.
QToolButton* MakeDropDownButton(const QString& icon, const QString& caption, const QString& hint,
                                QMenu* menu, QWidget* parent = nullptr);

// The icon of the resources named icon (":/icons/<icon>.svg").
QIcon RibbonIcon(const QString& icon);

// A button with a face and an arrow: the arrow opens the menu, the face emits clicked().
// It remembers the menu entry last triggered (the first entry until then) and shows that
// entry's icon on its face.
class TSplitButton : public QToolButton {
  Q_OBJECT
public:
  TSplitButton(const QString& caption, const QString& hint, QMenu* menu, QWidget* parent = nullptr);
  QAction* lastAction() const;
Q_SIGNALS:
  void lastActionChanged(QAction* action);

private:
  void Remember(QAction* action);
  QAction* FLastAction = nullptr;
};

// A titled group of controls: large controls take a column of their own, small ones are
// stacked in columns of up to three rows; the title stands under the group.
class TRibbonGroup : public QWidget {
  Q_OBJECT
public:
  explicit TRibbonGroup(const QString& title, QWidget* parent = nullptr);
  QString Title() const;
  void AddLarge(QToolButton* button);
  void AddSmall(QWidget* control);
  void AddMedium(QToolButton* button);
  void AddRow(std::initializer_list<QWidget*> controls);
  void AddGap(TRibbonButtonSize size = TRibbonButtonSize::Small);
  void EndColumn();
  void SetRowsPerColumn(int rows);

private:
  QVBoxLayout* Column();
  void AddToColumn(QBoxLayout* row);
  QString FTitle;
  QHBoxLayout* FBody = nullptr;
  QVBoxLayout* FColumn = nullptr;
  int FRowsInColumn = 0;
  int FRowsPerColumn = 3;
};

// One tab page of the ribbon: its groups side by side, separated by thin rules.
class TRibbonPage : public QWidget {
  Q_OBJECT
public:
  explicit TRibbonPage(QWidget* parent = nullptr);
  TRibbonGroup* AddGroup(const QString& title);
  QList<TRibbonGroup*> Groups() const;

private:
  QHBoxLayout* FRow = nullptr;
  QList<TRibbonGroup*> FGroups;
};

// The ribbon: a row of tabs over the page of the current tab, at a fixed height.
class TRibbonBar : public QTabWidget {
  Q_OBJECT
public:
  explicit TRibbonBar(QWidget* parent = nullptr);
  TRibbonPage* AddPage(const QString& title);
  TRibbonPage* Page(int index) const;
  static constexpr int FixedHeight = 108;
};

// A colour selector: the face shows the icon over a bar of the current colour and emits
// clicked(); the arrow opens a panel with "Automatic", a palette of 40 colours and
// "More Colors...", which opens the colour dialog.
class TColorSelector : public QToolButton {
  Q_OBJECT
public:
  TColorSelector(const QString& icon, const QString& caption, const QString& hint, TColor initial,
                 QWidget* parent = nullptr);
  TColor Colour() const;
  void SetColour(TColor colour);
  TColor AutomaticColour() const;
  void SetAutomaticColour(TColor colour);
  QWidget* Panel() const;
  void OpenColorDialog();
  struct TPaletteEntry {
    const char* Name;
    TColor Colour;
  };
  static const TPaletteEntry Palette[40];
Q_SIGNALS:
  void colourChosen(TColor colour);

private:
  void Choose(TColor colour);
  void UpdateFace();
  QString FIcon;
  TColor FColour;
  TColor FAutomatic = clBlack;
  QWidget* FPanel = nullptr;
};

// A pen width selector: the face shows the current width and emits clicked(); its list of
// widths, drawn as lines, only changes the current width.
class TPenWidthSelector : public QToolButton {
  Q_OBJECT
public:
  TPenWidthSelector(const QString& icon, const QString& caption, const QString& hint,
                    QWidget* parent = nullptr);
  int Width() const;
  void SetWidth(int width);
  QWidget* Panel() const;
  QAbstractButton* Entry(int width) const;
  static constexpr int MaxWidth = 6;
Q_SIGNALS:
  void widthChosen(int width);

private:
  void UpdateFace();
  QString FIcon;
  int FWidth = 1;
  QWidget* FPanel = nullptr;
};

// A pen style selector: the face shows the current style and emits clicked(); its list
// shows the styles solid to clear as sample lines and emits styleChosen with the ordinal.
class TPenStyleSelector : public QToolButton {
  Q_OBJECT
public:
  TPenStyleSelector(const QString& icon, const QString& caption, const QString& hint,
                    QWidget* parent = nullptr);
  int PenStyle() const;
  void SetPenStyle(int style);
  QWidget* Panel() const;
  QAbstractButton* Entry(int style) const;
Q_SIGNALS:
  void styleChosen(int style);

private:
  void UpdateFace();
  QString FIcon;
  int FStyle = 0;
  QWidget* FPanel = nullptr;
};
