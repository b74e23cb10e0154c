// The property dialogs: filling from a property list, recording only what the user
// changes, the dynamic image dialog's fixed entries, the position dialog's checks, the
// about box, and the layout of each dialog.
#include "app/AboutDialog.h"
#include "app/BordersDialog.h"
#include "app/ImageDialog.h"
#include "app/ImagePathDialog.h"
#include "app/PositionDialog.h"
#include "app/RibbonWidgets.h"
#include "app/TextDialog.h"
#include "platform/Prompts.h"

#include "support/Support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

TNameValueList List(std::initializer_list<const char*> Lines)
{
  TNameValueList list;
  for (const char* line : Lines)
    list.Add(QString::fromUtf8(line));
  return list;
}

// Runs the dialog that opens next: waits until it is the active window, lets Edit work on
// it, then presses Ok or Cancel (unless Edit closed it already); a dialog that stays open
// fails the test.
template <class TDialog>
void Answer(std::function<void(TDialog*)> Edit, bool Ok)
{
  WhenModalOpens([Edit = std::move(Edit), Ok](QWidget* w) {
    auto* dialog = qobject_cast<TDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    if (Edit)
      Edit(dialog);
    if (dialog->isVisible())
      (Ok ? dialog->OkButton() : dialog->CancelButton())->click();
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the dialog stayed open";
      dialog->done(QDialog::Rejected);
    }
  });
}

// Chooses entry Index of a list the way a user does: opens the list and clicks the entry.
void Pick(QComboBox* Box, int Index)
{
  Box->showPopup();
  QAbstractItemView* view = Box->view();
  const QModelIndex item = Box->model()->index(Index, 0);
  view->scrollTo(item);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
  ASSERT_FALSE(view->isVisible()) << "the list closes on the click";
  ASSERT_EQ(Box->currentIndex(), Index);
}

// Clicks the palette swatch of a colour selector named Name ("Red", "Blue", ...).
void ChooseColour(TColorSelector* Selector, const char* Name)
{
  for (QAbstractButton* b : Selector->Panel()->findChildren<QAbstractButton*>())
    if (b->toolTip() == QLatin1String(Name)) {
      b->click();
      return;
    }
  FAIL() << "no swatch " << Name;
}


// Every text a user reads in a dialog: labels, group titles, button and tab captions and
// the entries of its lists.
QStringList Captions(QWidget* Dialog)
{
  QStringList texts{Dialog->windowTitle()};
  for (QWidget* w : Dialog->findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(w))
      texts << label->text();
    else if (auto* group = qobject_cast<QGroupBox*>(w))
      texts << group->title();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
      texts << button->text();
    else if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    if (auto* box = qobject_cast<QComboBox*>(w); box && !qobject_cast<QFontComboBox*>(w))
      for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
  }
  return texts;
}

// The controls of a dialog that a user sees, not the parts inside combo and spin boxes.
QList<QWidget*> VisibleControls(QWidget* Dialog)
{
  QList<QWidget*> result;
  for (QWidget* w : Dialog->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(Dialog) || w->window() != Dialog)
      continue;
    const bool control = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                         qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                         qobject_cast<QLineEdit*>(w);
    bool inner = false;
    for (QWidget* p = w->parentWidget(); p && p != Dialog; p = p->parentWidget())
      inner = inner || qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p) ||
              qobject_cast<QTabBar*>(p);
    if (control && !inner && !qobject_cast<QTabBar*>(w))
      result << w;
  }
  return result;
}

// Shows the dialog at its preferred size and checks that every visible control lies
// inside it, is no smaller than it needs to be and overlaps no other; saves a picture.
void ExpectLaidOut(QDialog* Dialog, const QString& ShotName)
{
  Dialog->show();
  Dialog->resize(Dialog->sizeHint());
  QApplication::processEvents();
  const QRect bounds = Dialog->rect();
  const QList<QWidget*> controls = VisibleControls(Dialog);
  ASSERT_GE(controls.size(), 3);
  QList<QRect> rects;
  for (QWidget* w : controls) {
    const QRect r(w->mapTo(Dialog, QPoint(0, 0)), w->size());
    EXPECT_TRUE(bounds.contains(r)) << ShotName.toStdString() << ": " << w->metaObject()->className();
    EXPECT_GE(w->width(), w->minimumSizeHint().width()) << ShotName.toStdString() << ": " << w->metaObject()->className();
    rects << r;
  }
  for (int i = 0; i < rects.size(); ++i)
    for (int j = i + 1; j < rects.size(); ++j)
      EXPECT_FALSE(rects[i].intersects(rects[j]))
        << ShotName.toStdString() << ": " << controls[i]->metaObject()->className() << " and "
        << controls[j]->metaObject()->className();
  SaveShot(RenderWidget(Dialog), ShotName);
  Dialog->hide();
}

// --- Text dialog

QStringList TextState(const TfDesignText& d)
{
  return {d.FontName()->currentText(),
          d.FontStyle()->currentText(),
          d.FontSize()->currentText(),
          QString::number(d.FontColour()->Colour()),
          d.Ellipsis()->currentText(),
          d.HAlign()->currentText(),
          d.VAlign()->currentText(),
          QString::number(d.Rotation()->value()),
          QString::number(d.Margin()->value()),
          QString::number(d.EmbedHtml()->isChecked()),
          QString::number(d.WantHtml()->isChecked()),
          d.Sample()->font().toString(),
          d.Sample()->palette().color(QPalette::WindowText).name()};
}

TEST(TextDialog, FillsEveryControlAndTheSampleFromTheList)
{
  TfDesignText d;
  TNameValueList changed;
  Answer<TfDesignText>(
    [](TfDesignText* t) {
      EXPECT_EQ(t->windowTitle(), "Text");
      EXPECT_EQ(t->FontName()->currentText(), "Liberation Serif");
      EXPECT_EQ(t->FontStyle()->currentText(), "Bold + Italic");
      EXPECT_EQ(t->FontSize()->currentText(), "14");
      EXPECT_EQ(t->FontColour()->Colour(), clRed);
      EXPECT_EQ(t->Ellipsis()->currentText(), "Ellipsis at End");
      EXPECT_EQ(t->HAlign()->currentText(), "Centre");
      EXPECT_EQ(t->VAlign()->currentText(), "Bottom");
      EXPECT_EQ(t->Rotation()->value(), 90);
      EXPECT_EQ(t->Margin()->value(), 3);
      EXPECT_TRUE(t->EmbedHtml()->isChecked());
      EXPECT_FALSE(t->WantHtml()->isChecked());
      const QFont sample = t->Sample()->font();
      EXPECT_EQ(sample.family(), "Liberation Serif");
      EXPECT_EQ(sample.pointSize(), 14);
      EXPECT_TRUE(sample.bold());
      EXPECT_TRUE(sample.italic());
      EXPECT_EQ(t->Sample()->palette().color(QPalette::WindowText), QColor(Qt::red));
    },
    false);
  EXPECT_FALSE(d.ShowTextDialog(List({"FONTNAME=Liberation Serif", "FONTSIZE=14", "FONTCOLOUR=255", "FONTBOLD=1",
                                      "fontitalic=Yes", "ELLIPSIS=1", "HALIGN=2", "VALIGN=1", "ROTATION=90",
                                      "MARGIN=3", "WANTHTML=0", "EMBEDHTML=TRUE"}),
                                changed));
  EXPECT_TRUE(changed.IsEmpty()) << "filling records nothing: " << changed.Text().toStdString();
}

TEST(TextDialog, MissingKeysLeaveControlsAtTheirInitialState)
{
  TfDesignText d;
  const QStringList initial = TextState(d);
  EXPECT_EQ(d.FontStyle()->currentIndex(), -1);
  EXPECT_EQ(d.HAlign()->currentIndex(), -1);
  EXPECT_EQ(d.FontColour()->Colour(), clBlack);

  // A dialog shown again starts from the initial state, not from the last list.
  d.SetFromPropList(List({"FONTNAME=DejaVu Serif", "FONTSIZE=20", "FONTCOLOUR=255", "FONTBOLD=1", "ELLIPSIS=1",
                          "HALIGN=1", "VALIGN=2", "ROTATION=45", "MARGIN=7", "WANTHTML=1", "EMBEDHTML=1"}));
  ASSERT_NE(TextState(d), initial);
  d.SetFromPropList(List({"Content=Name", "TEXT=abc", "IMAGEMODE=1"}));
  EXPECT_EQ(TextState(d), initial);
}

TEST(TextDialog, ChangingOnlyTheColourRecordsOnlyFontColour)
{
  TfDesignText d;
  TNameValueList changed;
  // Two objects with different fonts share everything but FONTNAME.
  Answer<TfDesignText>(
    [](TfDesignText* t) {
      ChooseColour(t->FontColour(), "Blue");
      EXPECT_EQ(t->Sample()->palette().color(QPalette::WindowText), ColorToQColor(clBlue));
    },
    true);
  EXPECT_TRUE(d.ShowTextDialog(List({"FONTSIZE=9", "FONTCOLOUR=0", "FONTBOLD=0", "FONTITALIC=0", "HALIGN=0",
                                     "VALIGN=0", "MARGIN=0", "ROTATION=0", "ELLIPSIS=0"}),
                               changed));
  EXPECT_EQ(changed.Lines(), QStringList({QStringLiteral("FONTCOLOUR=%1").arg(clBlue)}));
}

TEST(TextDialog, ChoosingAStyleRecordsBoldAndItalic)
{
  const struct {
    int Position;
    const char* Bold;
    const char* Italic;
  } cases[] = {{0, "0", "0"}, {1, "1", "0"}, {2, "0", "1"}, {3, "1", "1"}};
  for (const auto& c : cases) {
    TfDesignText d;
    TNameValueList changed;
    Answer<TfDesignText>(
      [&c](TfDesignText* t) {
        Pick(t->FontStyle(), c.Position);
        EXPECT_EQ(t->Sample()->font().bold(), QLatin1String(c.Bold) == "1");
        EXPECT_EQ(t->Sample()->font().italic(), QLatin1String(c.Italic) == "1");
      },
      true);
    // The mixed selection does not share the style, so every entry is a change.
    EXPECT_TRUE(d.ShowTextDialog(List({"FONTSIZE=9"}), changed));
    EXPECT_EQ(changed.Count(), 2) << c.Position;
    EXPECT_EQ(changed.Values("FONTBOLD"), c.Bold) << c.Position;
    EXPECT_EQ(changed.Values("FONTITALIC"), c.Italic) << c.Position;
  }
}

TEST(TextDialog, ClickingTheMarkupBoxesRecordsOneThenZero)
{
  const struct {
    QCheckBox* (TfDesignText::*Box)() const;
    const char* Key;
  } cases[] = {{&TfDesignText::EmbedHtml, "EMBEDHTML"}, {&TfDesignText::WantHtml, "WANTHTML"}};
  for (const auto& c : cases) {
    TfDesignText d;
    TNameValueList changed;
    Answer<TfDesignText>(
      [&](TfDesignText* t) {
        t->Pages()->setCurrentIndex(1);
        QCheckBox* box = (t->*c.Box)();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        EXPECT_EQ(changed.Lines(), QStringList({QStringLiteral("%1=1").arg(c.Key)}));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        EXPECT_EQ(changed.Lines(), QStringList({QStringLiteral("%1=0").arg(c.Key)}));
      },
      true);
    EXPECT_TRUE(d.ShowTextDialog(List({"EMBEDHTML=0", "WANTHTML=0"}), changed));
  }
}

TEST(TextDialog, ASizeIsRecordedWhenChosenNotWhenTyped)
{
  TfDesignText d;
  TNameValueList changed;
  Answer<TfDesignText>(
    [](TfDesignText* t) {
      t->FontSize()->lineEdit()->selectAll();
      QTest::keyClicks(t->FontSize()->lineEdit(), "13");
      EXPECT_EQ(t->FontSize()->currentText(), "13");
      EXPECT_EQ(t->Sample()->font().pointSize(), 9) << "the sample shows chosen sizes only";
    },
    true);
  EXPECT_TRUE(d.ShowTextDialog(List({"FONTSIZE=9"}), changed));
  EXPECT_TRUE(changed.IsEmpty()) << changed.Text().toStdString();

  Answer<TfDesignText>(
    [](TfDesignText* t) {
      Pick(t->FontSize(), t->FontSize()->findText("72"));
      EXPECT_EQ(t->Sample()->font().pointSize(), 72);
    },
    true);
  EXPECT_TRUE(d.ShowTextDialog(List({"FONTSIZE=9"}), changed));
  EXPECT_EQ(changed.Lines(), QStringList({"FONTSIZE=72"}));
}

TEST(TextDialog, ChoosingAFontRecordsItsNameAndTheSampleFollows)
{
  TfDesignText d;
  TNameValueList changed;
  QString chosen;
  Answer<TfDesignText>(
    [&chosen](TfDesignText* t) {
      const int index = t->FontName()->findText("DejaVu Serif");
      ASSERT_GE(index, 0) << "DejaVu Serif is installed";
      Pick(t->FontName(), index);
      chosen = t->FontName()->currentText();
      EXPECT_EQ(t->Sample()->font().family(), chosen);
    },
    true);
  EXPECT_TRUE(d.ShowTextDialog(List({"FONTNAME=Liberation Sans"}), changed));
  EXPECT_EQ(chosen, "DejaVu Serif");
  EXPECT_EQ(changed.Lines(), QStringList({"FONTNAME=DejaVu Serif"}));
}

TEST(TextDialog, ListsAndSpinEditsRecordTheirPositionsAndValues)
{
  const struct {
    const char* Name;
    std::function<void(TfDesignText*)> Change;
    const char* Line;
  } cases[] = {
    {"ellipsis", [](TfDesignText* t) { Pick(t->Ellipsis(), 0); }, "ELLIPSIS=0"},
    {"alignment", [](TfDesignText* t) { Pick(t->HAlign(), 2); }, "HALIGN=2"},
    {"vertical", [](TfDesignText* t) { Pick(t->VAlign(), 1); }, "VALIGN=1"},
    {"rotation", [](TfDesignText* t) { QTest::keyClick(t->Rotation(), Qt::Key_Up); }, "ROTATION=91"},
    {"margins", [](TfDesignText* t) { QTest::keyClick(t->Margin(), Qt::Key_Down); }, "MARGIN=1"},
  };
  for (const auto& c : cases) {
    TfDesignText d;
    TNameValueList changed;
    Answer<TfDesignText>(c.Change, true);
    EXPECT_TRUE(d.ShowTextDialog(List({"ELLIPSIS=1", "HALIGN=0", "VALIGN=0", "ROTATION=90", "MARGIN=2"}), changed));
    EXPECT_EQ(changed.Lines(), QStringList({QString::fromLatin1(c.Line)})) << c.Name;
  }
}

// --- Borders dialog

TEST(BordersDialog, FillsFromTheListAndRecordsEachChangedControl)
{
  TfDesignBorders d;
  TNameValueList changed;
  Answer<TfDesignBorders>(
    [](TfDesignBorders* b) {
      EXPECT_EQ(b->windowTitle(), "Borders and Shading");
      EXPECT_EQ(b->FillColour()->Colour(), clYellow);
      EXPECT_EQ(b->FillStyle()->currentText(), "cross");
      EXPECT_EQ(b->BorderColour()->Colour(), clBlue);
      EXPECT_EQ(b->BorderStyle()->currentText(), "DashDot");
      EXPECT_EQ(b->BorderWidth()->value(), 4);
      ChooseColour(b->FillColour(), "Red");
      Pick(b->FillStyle(), 1);
      ChooseColour(b->BorderColour(), "Blue");
      Pick(b->BorderStyle(), 6);
      QTest::keyClick(b->BorderWidth(), Qt::Key_Up);
    },
    true);
  EXPECT_TRUE(d.ShowBorderDialog(List({"FILLCOLOUR=65535", "FILLSTYLE=6.7", "BORDERCOLOUR=16711680",
                                       "BORDERSTYLE=3", "BORDERWIDTH=4"}),
                                 changed));
  EXPECT_EQ(changed.Lines(), QStringList({QStringLiteral("FILLCOLOUR=%1").arg(clRed), "FILLSTYLE=1",
                                          QStringLiteral("BORDERCOLOUR=%1").arg(clBlue), "BORDERSTYLE=6",
                                          "BORDERWIDTH=5"}));
}

TEST(BordersDialog, MissingKeysLeaveControlsAtTheirInitialState)
{
  TfDesignBorders d;
  const auto state = [&d] {
    return QStringList{QString::number(d.FillColour()->Colour()), d.FillStyle()->currentText(),
                       QString::number(d.BorderColour()->Colour()), d.BorderStyle()->currentText(),
                       QString::number(d.BorderWidth()->value())};
  };
  const QStringList initial = state();
  EXPECT_EQ(initial, QStringList({"16777215", "", "0", "", "0"}));
  d.SetFromPropList(List({"FILLCOLOUR=255", "FILLSTYLE=2", "BORDERCOLOUR=255", "BORDERSTYLE=1", "BORDERWIDTH=3"}));
  ASSERT_NE(state(), initial);
  d.SetFromPropList(List({"FONTNAME=Arial"}));
  EXPECT_EQ(state(), initial);
}

TEST(BordersDialog, CancelAfterChangingTheLineColourGivesFalse)
{
  TfDesignBorders d;
  TNameValueList changed;
  Answer<TfDesignBorders>([](TfDesignBorders* b) { ChooseColour(b->BorderColour(), "Red"); }, false);
  EXPECT_FALSE(d.ShowBorderDialog(List({"BORDERCOLOUR=0"}), changed));
}

// --- Image dialog

TEST(ImageDialog, RecordsTheChosenModeAndItsButtonsActAtOnce)
{
  TfDesignImage d;
  QStringList actions;
  d.OnReloadImage = [&actions] { actions << "reload"; };
  d.OnResizeImage = [&actions] { actions << "resize"; };
  d.OnChangeImage = [&actions] { actions << "change"; };
  TNameValueList changed;
  Answer<TfDesignImage>(
    [&actions](TfDesignImage* i) {
      EXPECT_EQ(i->windowTitle(), "Image Properties");
      EXPECT_EQ(i->ImageMode()->currentText(), "Resize to Container");
      i->ReloadButton()->click();
      i->ResizeButton()->click();
      i->ChangeButton()->click();
      EXPECT_EQ(actions, QStringList({"reload", "resize", "change"})) << "before the dialog closes";
      Pick(i->ImageMode(), 0);
    },
    false);
  EXPECT_FALSE(d.ShowDialog(List({"IMAGEMODE=1"}), changed));
  EXPECT_EQ(changed.Lines(), QStringList({"IMAGEMODE=0"}));

  // Without handlers the buttons do nothing; without the key the list is blank.
  TfDesignImage bare;
  Answer<TfDesignImage>(
    [](TfDesignImage* i) {
      EXPECT_EQ(i->ImageMode()->currentIndex(), -1);
      i->ReloadButton()->click();
      Pick(i->ImageMode(), 1);
    },
    true);
  EXPECT_TRUE(bare.ShowDialog(List({"FONTNAME=Arial"}), changed));
  EXPECT_EQ(changed.Lines(), QStringList({"IMAGEMODE=1"}));
}

// --- Dynamic image dialog

TEST(ImagePathDialog, OkAlwaysRecordsContentAndMode)
{
  TfDesignImagePath d;
  EXPECT_FALSE(d.HasPropList());
  const struct {
    const char* Name;
    TNameValueList Opening;
    std::function<void(TfDesignImagePath*)> Edit;
    QStringList Recorded;
  } cases[] = {
    {"unchanged", List({"TEXT=Photo", "IMAGEMODE=2"}), nullptr, {"TEXT=Photo", "IMAGEMODE=2"}},
    {"edited",
     List({"TEXT=Photo", "IMAGEMODE=2"}),
     [](TfDesignImagePath* p) {
       p->Content()->selectAll();
       QTest::keyClicks(p->Content(), "Logo");
       QTest::mouseClick(p->ResizeModeButton(1), Qt::LeftButton, {}, QPoint(6, p->ResizeModeButton(1)->height() / 2));
     },
     {"TEXT=Logo", "IMAGEMODE=1"}},
    {"keys missing", List({"FONTNAME=Arial"}), nullptr, {"TEXT=", "IMAGEMODE=0"}},
  };
  for (const auto& c : cases) {
    TNameValueList changed;
    Answer<TfDesignImagePath>(c.Edit, true);
    EXPECT_TRUE(d.ShowImagePathDialog(c.Opening, changed)) << c.Name;
    EXPECT_EQ(changed.Lines(), c.Recorded) << c.Name;
  }
  EXPECT_TRUE(d.HasPropList());
}

TEST(ImagePathDialog, CancelRecordsNothingAndAnUnknownModeChecksNoButton)
{
  TfDesignImagePath d;
  TNameValueList changed;
  Answer<TfDesignImagePath>(
    [](TfDesignImagePath* p) {
      EXPECT_EQ(p->windowTitle(), "Design Image");
      EXPECT_EQ(p->CancelButton()->text(), "Cancel");
      EXPECT_EQ(p->ResizeMode()->checkedId(), 2);
    },
    false);
  EXPECT_FALSE(d.ShowImagePathDialog(List({"TEXT=Photo", "IMAGEMODE=2"}), changed));
  EXPECT_TRUE(changed.IsEmpty());

  Answer<TfDesignImagePath>([](TfDesignImagePath* p) { EXPECT_EQ(p->ResizeMode()->checkedId(), -1); }, false);
  EXPECT_FALSE(d.ShowImagePathDialog(List({"TEXT=Photo", "IMAGEMODE=7"}), changed));
}

// --- Position dialog

struct TPosition {
  double Left, Top, Width, Height;
  int AutoSize;
};

bool RunPosition(TfDesignPosition& d, TPosition& p)
{
  return d.ShowDialog(p.Left, p.Top, p.Width, p.Height, p.AutoSize);
}

// Types Text over the entry and leaves it with Tab.
void TypeAndLeave(QLineEdit* Edit, const QString& Text)
{
  Edit->setFocus();
  Edit->selectAll();
  if (Text.isEmpty())
    QTest::keyClick(Edit, Qt::Key_Delete);
  else
    QTest::keyClicks(Edit, Text);
  QTest::keyClick(Edit, Qt::Key_Tab);
}

TEST(PositionDialog, ShowsTheValuesAndReturnsThemUnchangedOnOk)
{
  TScriptedPrompts prompts;
  TfDesignPosition d(&prompts);
  TPosition p{10.25, 0, 12.5, 100, 3};
  Answer<TfDesignPosition>(
    [](TfDesignPosition* w) {
      EXPECT_EQ(w->windowTitle(), "Position");
      EXPECT_EQ(w->LeftEdit()->text(), "10.25");
      EXPECT_EQ(w->TopEdit()->text(), "0");
      EXPECT_EQ(w->WidthEdit()->text(), "12.5");
      EXPECT_EQ(w->HeightEdit()->text(), "100");
      EXPECT_EQ(w->AutoSizeList()->currentText(), "Grow to Section Fill");
    },
    true);
  EXPECT_TRUE(RunPosition(d, p));
  EXPECT_EQ(p.Left, 10.25);
  EXPECT_EQ(p.Top, 0);
  EXPECT_EQ(p.Width, 12.5);
  EXPECT_EQ(p.Height, 100);
  EXPECT_EQ(p.AutoSize, 3);
  EXPECT_TRUE(prompts.Log.isEmpty());
}

TEST(PositionDialog, LeavingAnEntryThatIsNotAPlainNumberRestoresTheOpeningValue)
{
  const struct {
    int Entry;
    const char* Typed;
    const char* Notice; // empty: the text passes
    TPosition Result;
  } cases[] = {
    {0, "12a", "Please enter a number for left", {20, 30, 40.5, 50, 0}},
    {0, "12.5", "", {12.5, 30, 40.5, 50, 0}},
    {1, "-5", "Please enter a number for top", {20, 30, 40.5, 50, 0}},
    {2, "1.2.3", "Please enter a number for width", {20, 30, 40.5, 50, 0}},
    {3, "4 0", "Please enter a number for height", {20, 30, 40.5, 50, 0}},
    {3, "", "", {20, 30, 40.5, 0, 0}},
  };
  for (const auto& c : cases) {
    TScriptedPrompts prompts;
    TfDesignPosition d(&prompts);
    TPosition p{20, 30, 40.5, 50, 0};
    Answer<TfDesignPosition>(
      [&](TfDesignPosition* w) {
        QLineEdit* edits[] = {w->LeftEdit(), w->TopEdit(), w->WidthEdit(), w->HeightEdit()};
        QLineEdit* edit = edits[c.Entry];
        const QString opening = edit->text();
        TypeAndLeave(edit, QString::fromLatin1(c.Typed));
        if (*c.Notice) {
          EXPECT_EQ(prompts.Notices(), QStringList({QString::fromLatin1(c.Notice)})) << c.Typed;
          EXPECT_EQ(edit->text(), opening) << c.Typed;
          EXPECT_EQ(QApplication::focusWidget(), edit) << "the focus goes back: " << c.Typed;
        } else {
          EXPECT_TRUE(prompts.Log.isEmpty()) << c.Typed;
          EXPECT_EQ(edit->text(), QString::fromLatin1(c.Typed));
          EXPECT_NE(QApplication::focusWidget(), edit) << c.Typed;
        }
      },
      true);
    EXPECT_TRUE(RunPosition(d, p)) << c.Typed;
    EXPECT_EQ(p.Left, c.Result.Left) << c.Typed;
    EXPECT_EQ(p.Top, c.Result.Top) << c.Typed;
    EXPECT_EQ(p.Width, c.Result.Width) << c.Typed;
    EXPECT_EQ(p.Height, c.Result.Height) << c.Typed;
  }
}

TEST(PositionDialog, OkWithAnUncheckedEntryRefusesItAndStaysOpen)
{
  TScriptedPrompts prompts;
  TfDesignPosition d(&prompts);
  TPosition p{20, 30, 40, 50, 1};
  Answer<TfDesignPosition>(
    [&prompts](TfDesignPosition* w) {
      w->WidthEdit()->setFocus();
      w->WidthEdit()->selectAll();
      QTest::keyClicks(w->WidthEdit(), "-7");
      QTest::keyClick(w->WidthEdit(), Qt::Key_Return);
      EXPECT_TRUE(w->isVisible()) << "Ok is refused";
      EXPECT_EQ(prompts.Notices(), QStringList({"Please enter a number for width"}));
      EXPECT_EQ(w->WidthEdit()->text(), "40");
      Pick(w->AutoSizeList(), 5);
      QTest::keyClick(w->WidthEdit(), Qt::Key_Return);
      EXPECT_FALSE(w->isVisible());
    },
    true);
  EXPECT_TRUE(RunPosition(d, p));
  EXPECT_EQ(p.Width, 40);
  EXPECT_EQ(p.AutoSize, 5);
}

TEST(PositionDialog, TwoRefusedEntriesAreReportedOneAtATime)
{
  // Pressing Cancel and releasing the mouse elsewhere leaves "abc" in Top unchecked;
  // refusing Left then takes the focus back from Top without checking Top as well.
  TScriptedPrompts prompts;
  TfDesignPosition d(&prompts);
  TPosition p{20, 30, 40, 50, 0};
  Answer<TfDesignPosition>(
    [&prompts](TfDesignPosition* w) {
      w->TopEdit()->setFocus();
      w->TopEdit()->selectAll();
      QTest::keyClicks(w->TopEdit(), "abc");
      QTest::mousePress(w->CancelButton(), Qt::LeftButton);
      QTest::mouseRelease(w->CancelButton(), Qt::LeftButton, {}, QPoint(-20, -20));
      ASSERT_TRUE(w->isVisible());
      w->LeftEdit()->setFocus();
      w->LeftEdit()->selectAll();
      QTest::keyClicks(w->LeftEdit(), "xyz");
      QTest::keyClick(w->LeftEdit(), Qt::Key_Tab);
      EXPECT_EQ(prompts.Notices(), QStringList({"Please enter a number for left"}));
      EXPECT_EQ(QApplication::focusWidget(), w->LeftEdit());
      EXPECT_EQ(w->TopEdit()->text(), "abc");
      w->OkButton()->click();
      EXPECT_TRUE(w->isVisible());
      EXPECT_EQ(prompts.Notices(), QStringList({"Please enter a number for left", "Please enter a number for top"}));
      EXPECT_EQ(w->TopEdit()->text(), "30");
    },
    true);
  EXPECT_TRUE(RunPosition(d, p));
  EXPECT_EQ(p.Left, 20);
  EXPECT_EQ(p.Top, 30);
}

TEST(PositionDialog, CancelShowsNoNoticeAndChangesNothing)
{
  TScriptedPrompts prompts;
  TfDesignPosition d(&prompts);
  TPosition p{20, 30, 40, 50, 1};
  Answer<TfDesignPosition>(
    [](TfDesignPosition* w) {
      w->LeftEdit()->setFocus();
      QTest::keyClicks(w->LeftEdit(), "abc");
      QTest::mouseClick(w->CancelButton(), Qt::LeftButton);
    },
    false);
  EXPECT_FALSE(RunPosition(d, p));
  EXPECT_TRUE(prompts.Log.isEmpty());
  EXPECT_EQ(p.Left, 20);
  EXPECT_EQ(p.AutoSize, 1);
}

TEST(PositionDialog, OpeningValuesThatAreNotPlainNumbersAreKeptUntilEdited)
{
  // An object partly off the page has a negative left; an unknown autosize mode stays.
  TScriptedPrompts prompts;
  TfDesignPosition d(&prompts);
  TPosition p{-3.5, 0.000001, 40, 50, 9};
  Answer<TfDesignPosition>(
    [](TfDesignPosition* w) {
      EXPECT_EQ(w->LeftEdit()->text(), "-3.5");
      EXPECT_EQ(w->TopEdit()->text(), "1E-6");
      EXPECT_EQ(w->AutoSizeList()->currentIndex(), -1);
      QTest::keyClick(w->LeftEdit(), Qt::Key_Tab);
      QTest::keyClick(w->TopEdit(), Qt::Key_Tab);
    },
    true);
  EXPECT_TRUE(RunPosition(d, p));
  EXPECT_TRUE(prompts.Log.isEmpty());
  EXPECT_EQ(p.Left, -3.5);
  EXPECT_EQ(p.Top, 0.000001);
  EXPECT_EQ(p.AutoSize, 9);
}

TEST(PositionDialog, EntriesUseTheFullStopInACommaDecimalLocale)
{
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  TScriptedPrompts prompts;
  TfDesignPosition d(&prompts);
  TPosition p{12.5, 30, 40, 50, 0};
  Answer<TfDesignPosition>(
    [](TfDesignPosition* w) {
      EXPECT_EQ(w->LeftEdit()->text(), "12.5");
      TypeAndLeave(w->TopEdit(), "7.25");
    },
    true);
  const bool ok = RunPosition(d, p);
  QLocale::setDefault(saved);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(prompts.Log.isEmpty());
  EXPECT_EQ(p.Left, 12.5);
  EXPECT_EQ(p.Top, 7.25);
}

// --- About box

TEST(AboutDialog, ShowsNameVersionAndCopyrightAndCloses)
{
  TfAbout d;
  EXPECT_EQ(d.windowTitle(), "About");
  EXPECT_EQ(d.ProductName()->text(), "Zentaf Page Designer");
  EXPECT_EQ(d.Version()->text(), ZENTAF_VERSION);
  EXPECT_EQ(d.CopyrightLine()->text(), TfAbout::Copyright());
  EXPECT_FALSE(d.Picture()->pixmap().isNull());
  EXPECT_EQ(d.CloseButton()->text(), "&Close");
  EXPECT_TRUE(d.CloseButton()->isDefault());

  WhenModalOpens([](QWidget* w) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_Escape);
  });
  EXPECT_EQ(d.exec(), QDialog::Rejected);
  WhenModalOpens([](QWidget* w) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_Return);
  });
  EXPECT_EQ(d.exec(), QDialog::Rejected);
}

// --- Captions and layout

TEST(DialogLayout, EveryDialogShowsItsCaptionsAndIsLaidOutCleanly)
{
  TScriptedPrompts prompts;
  TfDesignText text;
  TfDesignBorders borders;
  TfDesignImage image;
  TfDesignImagePath imagePath;
  TfDesignPosition position(&prompts);
  TfAbout about;
  const struct {
    QDialog* Dialog;
    const char* Shot;
    QStringList Captions;
  } cases[] = {
    {&text,
     "dialog-text",
     {"Text", "Style", "General", "Font:", "Font Style:", "Regular", "Bold", "Italic", "Bold + Italic", "Size:",
      "6", "72", "Font Colour:", "Ellipsis:", "None", "Ellipsis at End", "Sample Text", "Paragraph", "Alignment:",
      "Left Align", "Right Align", "Centre", "Vertical:", "Top", "Bottom", "Middle", "Text Rotation:", "Margins:",
      "Embedded Fields",
      "Embedded fields will normally be treated as plain text even if the control text has HTML.",
      "Embedded fields contain HTML markup", "Control text contains HTML Markup", "&Ok", "&Cancel"}},
    {&borders,
     "dialog-borders",
     {"Borders and Shading", "Background:", "Background Colour:", "Background Style:", "solid", "clear",
      "horizontal", "vertical", "forward diag", "backward diag", "cross", "cross diag", "Borders:", "Line Colour:",
      "Line Style:", "Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "Inside Frame", "Border Width:",
      "&Ok", "&Cancel"}},
    {&image,
     "dialog-image",
     {"Image Properties", "Image Properties : ", "Crop to Container", "Resize to Container", "Reload Image",
      "Resize", "Change...", "&Ok", "&Cancel"}},
    {&imagePath,
     "dialog-image-path",
     {"Design Image", "Content:", "Resize Mode : ", "None", "Stretch", "Scale", "&Ok", "Cancel"}},
    {&position,
     "dialog-position",
     {"Position", "Placement : ", "Left (mm):", "Top (mm):", "Width (mm):", "Height (mm):", "Sizing : ",
      "Enable Autosize : ", "No Autosizing", "Grow to Content Depth", "Grow to Section Depth",
      "Grow to Section Fill", "Bind to Section Top", "Bind to Section Base", "&Ok", "&Cancel"}},
    {&about,
     "dialog-about",
     {"About", "Product Version : ", "Product Name:", "Zentaf Page Designer", "Build Version:", ZENTAF_VERSION,
      "&Close"}},
  };
  for (const auto& c : cases) {
    const QStringList shown = Captions(c.Dialog);
    for (const QString& caption : c.Captions)
      EXPECT_TRUE(shown.contains(caption)) << c.Shot << ": " << caption.toStdString();
    ExpectLaidOut(c.Dialog, QString::fromLatin1(c.Shot));
  }
  text.SetFromPropList(List({"FONTNAME=DejaVu Serif", "FONTSIZE=16", "FONTCOLOUR=255", "FONTBOLD=1", "HALIGN=2"}));
  text.Pages()->setCurrentIndex(0);
  ExpectLaidOut(&text, QStringLiteral("dialog-text-filled"));
  text.Pages()->setCurrentIndex(1);
  ExpectLaidOut(&text, QStringLiteral("dialog-text-fields"));
}

} // namespace
