#include "app/RibbonWidgets.h"

#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <functional>

namespace {

constexpr int kRowHeight = 21;
constexpr int kMediumHeight = 30;
const QColor kInk(0x3b, 0x45, 0x52);

const char* const kRibbonStyle = R"(
TRibbonBar::pane { border: none; border-top: 1px solid #d3d9e1; border-bottom: 1px solid #d3d9e1;
  background: #fbfcfd; top: -1px; }
TRibbonBar::tab-bar { left: 8px; }
TRibbonBar > QTabBar { background: transparent; }
TRibbonBar > QTabBar::tab { color: #3b4552; background: transparent; padding: 3px 16px 4px 16px;
  margin-right: 2px; border: 1px solid transparent; border-bottom: none;
  border-top-left-radius: 3px; border-top-right-radius: 3px; }
TRibbonBar > QTabBar::tab:hover:!selected { background: #e7edf4; }
TRibbonBar > QTabBar::tab:selected { color: #1f5391; background: #fbfcfd; border-color: #d3d9e1;
  border-top: 2px solid #2e6db4; }
TRibbonPage { background: #fbfcfd; }
QLabel#ribbonGroupTitle { color: #6a7684; }
QFrame#ribbonSeparator { background: #dfe3e9; margin-top: 5px; margin-bottom: 5px; border: none; }
TRibbonPage QToolButton { color: #2c3440; background: transparent; border: 1px solid transparent;
  border-radius: 3px; padding: 1px 2px; }
TRibbonPage QToolButton:hover { background: #e4eef9; border-color: #b9d1ec; }
TRibbonPage QToolButton:pressed, TRibbonPage QToolButton:checked { background: #cde0f5; border-color: #8db3de; }
TRibbonPage QToolButton[popupMode="1"] { padding-right: 13px; }
TRibbonPage QToolButton[popupMode="2"] { padding-right: 11px; }
TRibbonPage QToolButton::menu-button { width: 12px; border: 1px solid transparent;
  border-top-right-radius: 3px; border-bottom-right-radius: 3px; }
TRibbonPage QToolButton::menu-button:hover { border-left-color: #b9d1ec; }
TRibbonPage QToolButton::menu-arrow, TRibbonPage QToolButton::menu-indicator {
  image: url(:/icons/menu-arrow.svg); width: 12px; height: 12px; }
TRibbonPage QToolButton::menu-indicator { subcontrol-origin: padding; subcontrol-position: center right; }
TRibbonPage QToolButton[ribbonSize="large"]::menu-indicator { subcontrol-origin: padding;
  subcontrol-position: bottom right; }
TRibbonPage QToolButton[ribbonSize="large"][popupMode="2"] { padding-right: 2px; padding-bottom: 1px; }
TRibbonPage QComboBox { color: #2c3440; background: #ffffff; border: 1px solid #c5cdd7; border-radius: 2px;
  padding: 0px 4px; }
TRibbonPage QComboBox:hover { border-color: #8db3de; }
TRibbonPage QComboBox::drop-down { border: none; width: 14px; }
TRibbonPage QComboBox::down-arrow { image: url(:/icons/menu-arrow.svg); width: 12px; height: 12px; }
QMenu { background: #ffffff; border: 1px solid #c5cdd7; padding: 4px 0px; color: #2c3440; }
QMenu::item { padding: 4px 24px 4px 8px; background: transparent; }
QMenu::item:selected { background: #e4eef9; }
QMenu::icon { padding-left: 6px; }
QMenu::separator { height: 1px; background: #e2e6eb; margin: 3px 6px; }
QWidget#ribbonDropPanel { background: #ffffff; }
QWidget#ribbonDropPanel QToolButton { color: #2c3440; background: transparent; border: 1px solid transparent;
  border-radius: 2px; padding: 2px; }
QWidget#ribbonDropPanel QToolButton:hover { background: #e4eef9; border-color: #8db3de; }
QWidget#ribbonDropPanel QToolButton:checked { background: #cde0f5; border-color: #8db3de; }
QWidget#ribbonDropPanel QLabel { color: #6a7684; }
)";

QString IconPath(const QString& icon) { return QStringLiteral(":/icons/%1.svg").arg(icon); }

// An icon drawn at the ribbon's sizes: the glyph of the resources, then the overlay
// (the selectors' bar of the current colour, width or style) in a 24-unit square.
QIcon ComposeIcon(const QString& icon, const std::function<void(QPainter&)>& overlay)
{
  QSvgRenderer renderer(IconPath(icon));
  QIcon result;
  for (int size : {16, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.scale(size / 24.0, size / 24.0);
    overlay(painter);
    painter.end();
    result.addPixmap(pixmap);
  }
  return result;
}

Qt::PenStyle QtPenStyle(int style)
{
  switch (style) {
  case 1: return Qt::DashLine;
  case 2: return Qt::DotLine;
  case 3: return Qt::DashDotLine;
  case 4: return Qt::DashDotDotLine;
  case 5: return Qt::NoPen;
  default: return Qt::SolidLine;
  }
}

// A sample line for the width and style lists.
QPixmap LineSample(int width, int style)
{
  QPixmap pixmap(72, 14);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QPen pen(kInk, width, QtPenStyle(style), Qt::FlatCap);
  painter.setPen(pen);
  const qreal y = 7 + (width % 2 ? 0.5 : 0.0);
  painter.drawLine(QPointF(2, y), QPointF(70, y));
  return pixmap;
}

QPixmap Swatch(const QColor& colour, int size)
{
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QColor(0x9a, 0xa5, 0xb1));
  painter.setBrush(colour);
  painter.drawRect(0, 0, size - 1, size - 1);
  return pixmap;
}

// The drop-down panel of a selector: a menu holding one widget; returns the widget.
QWidget* AttachPanel(QToolButton* button)
{
  auto* menu = new QMenu(button);
  auto* action = new QWidgetAction(menu);
  auto* panel = new QWidget;
  panel->setObjectName(QStringLiteral("ribbonDropPanel"));
  action->setDefaultWidget(panel);
  menu->addAction(action);
  button->setMenu(menu);
  button->setPopupMode(QToolButton::MenuButtonPopup);
  return panel;
}

QToolButton* PanelButton(QWidget* panel, const QString& text)
{
  auto* button = new QToolButton(panel);
  button->setText(text);
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return button;
}

void ClosePanel(QToolButton* button)
{
  if (button->menu())
    button->menu()->hide();
}

} // namespace

QIcon RibbonIcon(const QString& icon) { return QIcon(IconPath(icon)); }

void StyleRibbonButton(QToolButton* button, TRibbonButtonSize size)
{
  button->setAutoRaise(true);
  switch (size) {
  case TRibbonButtonSize::Large:
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    button->setProperty("ribbonSize", QStringLiteral("large"));
    break;
  case TRibbonButtonSize::Small:
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(button->text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    button->setFixedHeight(kRowHeight);
    button->setProperty("ribbonSize", QStringLiteral("small"));
    break;
  case TRibbonButtonSize::Medium:
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setFixedHeight(kMediumHeight);
    button->setProperty("ribbonSize", QStringLiteral("medium"));
    break;
  }
}

QToolButton* MakeRibbonButton(const QString& icon, const QString& caption, const QString& hint, QWidget* parent)
{
  auto* button = new QToolButton(parent);
  button->setIcon(RibbonIcon(icon));
  button->setText(caption);
  button->setToolTip(hint);
  button->setAutoRaise(true);
  return button;
}

QToolButton* MakeDropDownButton(const QString& icon, const QString& caption, const QString& hint, QMenu* menu,
                                QWidget* parent)
{
  QToolButton* button = MakeRibbonButton(icon, caption, hint, parent);
  button->setMenu(menu);
  button->setPopupMode(QToolButton::InstantPopup);
  return button;
}

// --- TSplitButton

TSplitButton::TSplitButton(const QString& caption, const QString& hint, QMenu* menu, QWidget* parent)
    : QToolButton(parent)
{
  setText(caption);
  setToolTip(hint);
  setAutoRaise(true);
  setMenu(menu);
  setPopupMode(QToolButton::MenuButtonPopup);
  connect(menu, &QMenu::triggered, this, &TSplitButton::Remember);
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator() && !action->menu()) {
      FLastAction = action;
      setIcon(action->icon());
      break;
    }
  }
}

QAction* TSplitButton::lastAction() const { return FLastAction; }

void TSplitButton::Remember(QAction* action)
{
  if (action == FLastAction)
    return;
  FLastAction = action;
  if (!action->icon().isNull())
    setIcon(action->icon());
  Q_EMIT lastActionChanged(action);
}

// --- TRibbonGroup

TRibbonGroup::TRibbonGroup(const QString& title, QWidget* parent) : QWidget(parent), FTitle(title)
{
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(4, 3, 4, 1);
  root->setSpacing(1);
  FBody = new QHBoxLayout;
  FBody->setSpacing(2);
  FBody->setContentsMargins(0, 0, 0, 0);
  root->addLayout(FBody, 1);
  auto* caption = new QLabel(title, this);
  caption->setObjectName(QStringLiteral("ribbonGroupTitle"));
  caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  root->addWidget(caption);
}

QString TRibbonGroup::Title() const { return FTitle; }

void TRibbonGroup::AddLarge(QToolButton* button)
{
  EndColumn();
  button->setParent(this);
  StyleRibbonButton(button, TRibbonButtonSize::Large);
  FBody->addWidget(button);
}

void TRibbonGroup::AddSmall(QWidget* control) { AddRow({control}); }

void TRibbonGroup::AddMedium(QToolButton* button)
{
  button->setParent(this);
  StyleRibbonButton(button, TRibbonButtonSize::Medium);
  auto* row = new QHBoxLayout;
  row->setSpacing(1);
  row->addWidget(button);
  AddToColumn(row);
}

void TRibbonGroup::AddRow(std::initializer_list<QWidget*> controls)
{
  auto* row = new QHBoxLayout;
  row->setSpacing(1);
  for (QWidget* control : controls) {
    control->setParent(this);
    if (auto* button = qobject_cast<QToolButton*>(control))
      StyleRibbonButton(button, TRibbonButtonSize::Small);
    else
      control->setFixedHeight(kRowHeight);
    row->addWidget(control);
  }
  row->addStretch(1);
  AddToColumn(row);
}

void TRibbonGroup::AddGap(TRibbonButtonSize size)
{
  const int extent = size == TRibbonButtonSize::Medium ? kMediumHeight : kRowHeight;
  auto* row = new QHBoxLayout;
  row->addSpacing(extent);
  row->addStrut(extent);
  AddToColumn(row);
}

void TRibbonGroup::EndColumn()
{
  FColumn = nullptr;
  FRowsInColumn = 0;
}

void TRibbonGroup::SetRowsPerColumn(int rows)
{
  EndColumn();
  FRowsPerColumn = rows;
}

QVBoxLayout* TRibbonGroup::Column()
{
  if (FColumn && FRowsInColumn >= FRowsPerColumn)
    EndColumn();
  if (!FColumn) {
    FColumn = new QVBoxLayout;
    FColumn->setSpacing(0);
    FColumn->setContentsMargins(0, 0, 0, 0);
    FBody->addLayout(FColumn);
  }
  return FColumn;
}

void TRibbonGroup::AddToColumn(QBoxLayout* row)
{
  QVBoxLayout* column = Column();
  if (FRowsInColumn > 0)
    column->addStretch(1);
  column->addLayout(row);
  ++FRowsInColumn;
}

// --- TRibbonPage

TRibbonPage::TRibbonPage(QWidget* parent) : QWidget(parent)
{
  setAttribute(Qt::WA_StyledBackground);
  FRow = new QHBoxLayout(this);
  FRow->setContentsMargins(2, 0, 2, 0);
  FRow->setSpacing(0);
  FRow->addStretch(1);
}

TRibbonGroup* TRibbonPage::AddGroup(const QString& title)
{
  const int at = FRow->count() - 1;
  if (!FGroups.isEmpty()) {
    auto* separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("ribbonSeparator"));
    separator->setFixedWidth(1);
    FRow->insertWidget(at, separator);
  }
  auto* group = new TRibbonGroup(title, this);
  FRow->insertWidget(FRow->count() - 1, group);
  FGroups.append(group);
  return group;
}

QList<TRibbonGroup*> TRibbonPage::Groups() const { return FGroups; }

// --- TRibbonBar

TRibbonBar::TRibbonBar(QWidget* parent) : QTabWidget(parent)
{
  setObjectName(QStringLiteral("ribbonBar"));
  setStyleSheet(QString::fromLatin1(kRibbonStyle));
  setFixedHeight(FixedHeight);
  setUsesScrollButtons(false);
  setElideMode(Qt::ElideNone);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

TRibbonPage* TRibbonBar::AddPage(const QString& title)
{
  auto* page = new TRibbonPage;
  addTab(page, title);
  return page;
}

TRibbonPage* TRibbonBar::Page(int index) const { return qobject_cast<TRibbonPage*>(widget(index)); }

// --- TColorSelector

// The classic 40-colour office palette, row by row.
const TColorSelector::TPaletteEntry TColorSelector::Palette[40] = {
  {"Black", RGBColor(0x00, 0x00, 0x00)}, {"Brown", RGBColor(0x99, 0x33, 0x00)},
  {"Olive Green", RGBColor(0x33, 0x33, 0x00)}, {"Dark Green", RGBColor(0x00, 0x33, 0x00)},
  {"Dark Teal", RGBColor(0x00, 0x33, 0x66)}, {"Dark Blue", RGBColor(0x00, 0x00, 0x80)},
  {"Indigo", RGBColor(0x33, 0x33, 0x99)}, {"Gray-80%", RGBColor(0x33, 0x33, 0x33)},
  {"Dark Red", RGBColor(0x80, 0x00, 0x00)}, {"Orange", RGBColor(0xFF, 0x66, 0x00)},
  {"Dark Yellow", RGBColor(0x80, 0x80, 0x00)}, {"Green", RGBColor(0x00, 0x80, 0x00)},
  {"Teal", RGBColor(0x00, 0x80, 0x80)}, {"Blue", RGBColor(0x00, 0x00, 0xFF)},
  {"Blue-Gray", RGBColor(0x66, 0x66, 0x99)}, {"Gray-50%", RGBColor(0x80, 0x80, 0x80)},
  {"Red", RGBColor(0xFF, 0x00, 0x00)}, {"Light Orange", RGBColor(0xFF, 0x99, 0x00)},
  {"Lime", RGBColor(0x99, 0xCC, 0x00)}, {"Sea Green", RGBColor(0x33, 0x99, 0x66)},
  {"Aqua", RGBColor(0x33, 0xCC, 0xCC)}, {"Light Blue", RGBColor(0x33, 0x66, 0xFF)},
  {"Violet", RGBColor(0x80, 0x00, 0x80)}, {"Gray-40%", RGBColor(0x96, 0x96, 0x96)},
  {"Pink", RGBColor(0xFF, 0x00, 0xFF)}, {"Gold", RGBColor(0xFF, 0xCC, 0x00)},
  {"Yellow", RGBColor(0xFF, 0xFF, 0x00)}, {"Bright Green", RGBColor(0x00, 0xFF, 0x00)},
  {"Turquoise", RGBColor(0x00, 0xFF, 0xFF)}, {"Sky Blue", RGBColor(0x00, 0xCC, 0xFF)},
  {"Plum", RGBColor(0x99, 0x33, 0x66)}, {"Gray-25%", RGBColor(0xC0, 0xC0, 0xC0)},
  {"Rose", RGBColor(0xFF, 0x99, 0xCC)}, {"Tan", RGBColor(0xFF, 0xCC, 0x99)},
  {"Light Yellow", RGBColor(0xFF, 0xFF, 0x99)}, {"Light Green", RGBColor(0xCC, 0xFF, 0xCC)},
  {"Light Turquoise", RGBColor(0xCC, 0xFF, 0xFF)}, {"Pale Blue", RGBColor(0x99, 0xCC, 0xFF)},
  {"Lavender", RGBColor(0xCC, 0x99, 0xFF)}, {"White", RGBColor(0xFF, 0xFF, 0xFF)},
};

TColorSelector::TColorSelector(const QString& icon, const QString& caption, const QString& hint, TColor initial,
                               QWidget* parent)
    : QToolButton(parent), FIcon(icon), FColour(initial)
{
  setText(caption);
  setToolTip(hint);
  setAutoRaise(true);
  FPanel = AttachPanel(this);
  auto* layout = new QVBoxLayout(FPanel);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);

  auto* automatic = PanelButton(FPanel, QStringLiteral("Automatic"));
  automatic->setObjectName(QStringLiteral("automatic"));
  automatic->setIcon(Swatch(ColorToQColor(FAutomatic), 14));
  connect(automatic, &QToolButton::clicked, this, [this] { Choose(FAutomatic); });
  layout->addWidget(automatic);

  auto* grid = new QGridLayout;
  grid->setSpacing(1);
  for (int i = 0; i < 40; ++i) {
    auto* swatch = new QToolButton(FPanel);
    swatch->setAutoRaise(true);
    swatch->setIcon(Swatch(ColorToQColor(Palette[i].Colour), 14));
    swatch->setIconSize(QSize(14, 14));
    swatch->setFixedSize(20, 20);
    swatch->setToolTip(QString::fromLatin1(Palette[i].Name));
    const TColor colour = Palette[i].Colour;
    connect(swatch, &QToolButton::clicked, this, [this, colour] { Choose(colour); });
    grid->addWidget(swatch, i / 8, i % 8);
  }
  layout->addLayout(grid);

  auto* more = PanelButton(FPanel, QStringLiteral("More Colors..."));
  more->setObjectName(QStringLiteral("moreColors"));
  more->setIcon(RibbonIcon(QStringLiteral("more-colours")));
  connect(more, &QToolButton::clicked, this, &TColorSelector::OpenColorDialog);
  layout->addWidget(more);
  UpdateFace();
}

TColor TColorSelector::Colour() const { return FColour; }

void TColorSelector::SetColour(TColor colour)
{
  if (colour == FColour)
    return;
  FColour = colour;
  UpdateFace();
}

TColor TColorSelector::AutomaticColour() const { return FAutomatic; }

void TColorSelector::SetAutomaticColour(TColor colour)
{
  FAutomatic = colour;
  if (auto* automatic = FPanel->findChild<QToolButton*>(QStringLiteral("automatic")))
    automatic->setIcon(Swatch(ColorToQColor(FAutomatic), 14));
}

QWidget* TColorSelector::Panel() const { return FPanel; }

void TColorSelector::OpenColorDialog()
{
  ClosePanel(this);
  // Parented to the window, so that the ribbon's look stays out of the dialog.
  auto* dialog = new QColorDialog(ColorToQColor(FColour), window());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QStringLiteral("Colors"));
  connect(dialog, &QColorDialog::colorSelected, this, [this](const QColor& c) { Choose(QColorToColor(c)); });
  dialog->open();
}

void TColorSelector::Choose(TColor colour)
{
  ClosePanel(this);
  SetColour(colour);
  Q_EMIT colourChosen(colour);
}

void TColorSelector::UpdateFace()
{
  const QColor colour = ColorToQColor(FColour);
  setIcon(ComposeIcon(FIcon, [colour](QPainter& painter) {
    const QRectF bar(3, 18.5, 18, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(bar);
    if (colour.alpha() == 0 || colour.lightness() > 235) {
      painter.setPen(QPen(QColor(0x9a, 0xa5, 0xb1), 0.9));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(bar.adjusted(0.45, 0.45, -0.45, -0.45));
    }
  }));
}

// --- TPenWidthSelector

TPenWidthSelector::TPenWidthSelector(const QString& icon, const QString& caption, const QString& hint,
                                     QWidget* parent)
    : QToolButton(parent), FIcon(icon)
{
  setText(caption);
  setToolTip(hint);
  setAutoRaise(true);
  FPanel = AttachPanel(this);
  auto* layout = new QVBoxLayout(FPanel);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(1);
  for (int width = 1; width <= MaxWidth; ++width) {
    auto* entry = PanelButton(FPanel, QStringLiteral("%1 px").arg(width));
    entry->setObjectName(QStringLiteral("width%1").arg(width));
    entry->setIcon(LineSample(width, 0));
    entry->setIconSize(QSize(72, 14));
    entry->setCheckable(true);
    connect(entry, &QToolButton::clicked, this, [this, width] {
      ClosePanel(this);
      SetWidth(width);
      Q_EMIT widthChosen(width);
    });
    layout->addWidget(entry);
  }
  SetWidth(1);
}

int TPenWidthSelector::Width() const { return FWidth; }

void TPenWidthSelector::SetWidth(int width)
{
  FWidth = width;
  for (QToolButton* entry : FPanel->findChildren<QToolButton*>())
    entry->setChecked(entry == Entry(width));
  UpdateFace();
}

QWidget* TPenWidthSelector::Panel() const { return FPanel; }

QAbstractButton* TPenWidthSelector::Entry(int width) const
{
  return FPanel->findChild<QToolButton*>(QStringLiteral("width%1").arg(width));
}

void TPenWidthSelector::UpdateFace()
{
  const int width = FWidth;
  setIcon(ComposeIcon(FIcon, [width](QPainter& painter) {
    const qreal thickness = qBound(1.0, width * 0.75, 4.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x6d, 0xb4));
    painter.drawRect(QRectF(3, 21 - thickness / 2, 18, thickness));
  }));
}

// --- TPenStyleSelector

namespace {
const char* const kStyleNames[] = {"Solid", "Dash", "Dot", "Dash Dot", "Dash Dot Dot", "Clear"};
}

TPenStyleSelector::TPenStyleSelector(const QString& icon, const QString& caption, const QString& hint,
                                     QWidget* parent)
    : QToolButton(parent), FIcon(icon)
{
  setText(caption);
  setToolTip(hint);
  setAutoRaise(true);
  FPanel = AttachPanel(this);
  auto* layout = new QVBoxLayout(FPanel);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(1);
  for (int style = 0; style < int(std::size(kStyleNames)); ++style) {
    auto* entry = PanelButton(FPanel, QString::fromLatin1(kStyleNames[style]));
    entry->setObjectName(QStringLiteral("style%1").arg(style));
    entry->setIcon(LineSample(2, style));
    entry->setIconSize(QSize(72, 14));
    entry->setCheckable(true);
    connect(entry, &QToolButton::clicked, this, [this, style] {
      ClosePanel(this);
      SetPenStyle(style);
      Q_EMIT styleChosen(style);
    });
    layout->addWidget(entry);
  }
  SetPenStyle(0);
}

int TPenStyleSelector::PenStyle() const { return FStyle; }

void TPenStyleSelector::SetPenStyle(int style)
{
  FStyle = style;
  for (QToolButton* entry : FPanel->findChildren<QToolButton*>())
    entry->setChecked(entry == Entry(style));
  UpdateFace();
}

QWidget* TPenStyleSelector::Panel() const { return FPanel; }

QAbstractButton* TPenStyleSelector::Entry(int style) const
{
  return FPanel->findChild<QToolButton*>(QStringLiteral("style%1").arg(style));
}

void TPenStyleSelector::UpdateFace()
{
  const int style = FStyle;
  setIcon(ComposeIcon(FIcon, [style](QPainter& painter) {
    QPen pen(QColor(0x2e, 0x6d, 0xb4), 2, QtPenStyle(style), Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(3, 20.5), QPointF(21, 20.5));
  }));
}
