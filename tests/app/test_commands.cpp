#include "app/DesignPage.h"
#include "app/BordersDialog.h"
#include "app/DesignRibbon.h"
#include "app/PositionDialog.h"
#include "app/TextDialog.h"
#include "editing/Undo.h"
#include "model/Band.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "objects/DesignImage.h"
#include "objects/DesignObject.h"
#include "platform/NameValueList.h"

#include "support/Support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

struct CommandsFixture : ::testing::Test {
  TScriptedPrompts* prompts = new TScriptedPrompts;
  TfDesignPage w{std::unique_ptr<TPrompts>(prompts)};
  TDesignRibbon* r = w.Ribbon();
  TDesignContainer* d = w.Designer();
  TDesignSurface* s = d->Surface();

  CommandsFixture() { s->SetSnapToGrid(false); }

  // An object with the given store position and size, as a layout file would give it.
  TDesignObject* Add(int Left, int Top, int Width, int Height, const QString& Text = "x")
  {
    TDesignObject* o = nullptr;
    w.DoCreateObjectByName(s, "TDesignObject", o);
    s->AddControl(o);
    o->SetStoreLeft(Left);
    o->SetStoreTop(Top);
    o->SetStoreWidth(Width);
    o->SetStoreHeight(Height);
    o->SetText(Text);
    return o;
  }
  void Trigger(const char* Name)
  {
    QAction* a = w.Action(Name);
    ASSERT_NE(a, nullptr) << Name;
    a->trigger();
  }
  void Select(std::initializer_list<TDesignObject*> Objects, TDesignObject* Reference = nullptr)
  {
    for (TDesignObject* o : s->Controls())
      o->SetSelectMode(smNone);
    for (TDesignObject* o : Objects)
      o->SetSelectMode(o == Reference ? smFirst : smAny);
  }
  std::vector<QString> Texts()
  {
    std::vector<QString> t;
    for (TDesignObject* o : s->Controls())
      t.push_back(o->Text());
    return t;
  }
  void Key(int K, Qt::KeyboardModifiers M)
  {
    QKeyEvent press(QEvent::KeyPress, K, M);
    QApplication::sendEvent(s, &press);
  }
};

} // namespace

TEST_F(CommandsFixture, AlignmentToTheReferenceObject)
{
  TDesignObject* ref = Add(100, 100, 55, 40);
  TDesignObject* a = Add(50, 300, 30, 20);
  TDesignObject* b = Add(300, 500, 80, 60);
  d->UndoManager()->ClearAll();
  Select({ref, a, b});
  Trigger("actLayoutAlignLefts");
  EXPECT_EQ(a->StoreLeft(), 100);
  EXPECT_EQ(b->StoreLeft(), 100);
  EXPECT_EQ(ref->StoreLeft(), 100);
  EXPECT_EQ(d->UndoManager()->GroupCount(), 1);
  Trigger("actEditUndo");
  EXPECT_EQ(a->StoreLeft(), 50);
  EXPECT_EQ(b->StoreLeft(), 300);

  // The Layout menu's Centres centre horizontally: 100 + 28 - 15 = 113.
  Trigger("actLayoutAlignCentres");
  EXPECT_EQ(a->StoreLeft(), 113);
  // Its Middles centre vertically; the context menu names them the other way round.
  Trigger("actLayoutAlignMiddles");
  EXPECT_EQ(a->StoreTop(), 100 + 20 - 10);
  Trigger("actObjAlignMiddles");
  EXPECT_EQ(b->StoreLeft(), 100 + 28 - 40);
  Trigger("actObjAlignCentres");
  EXPECT_EQ(b->StoreTop(), 100 + 20 - 30);

  // Only follow-selected objects: no reference, nothing aligns. A locked object aligns.
  Select({});
  a->SetSelectMode(smFollow);
  b->SetSelectMode(smFollow);
  Trigger("actLayoutAlignBases");
  EXPECT_EQ(a->StoreTop(), 110);
  Select({ref, a});
  a->SetLocked(true);
  r->actArrangeAlignBases->trigger();
  EXPECT_EQ(a->StoreTop(), 100 + 40 - 20);
}

TEST_F(CommandsFixture, SizesAndTheirUndo)
{
  TDesignObject* a = Add(0, 0, 100, 50);
  TDesignObject* b = Add(0, 100, 101, 70);
  TDesignObject* c = Add(0, 200, 103, 90);
  d->UndoManager()->ClearAll();
  Trigger("actLayoutSizeWidest");
  EXPECT_FALSE(d->Changed()) << "nothing selected: no undo step";
  Select({a, b, c});
  r->actHSizeAverage->trigger();
  EXPECT_EQ(a->StoreWidth(), 101);
  EXPECT_EQ(c->StoreWidth(), 101);
  s->SetSnapToGrid(true);
  r->btnHSize->click(); // the face repeats the entry last chosen
  EXPECT_EQ(a->StoreWidth(), 100);
  Trigger("actLayoutSizeTallest");
  EXPECT_EQ(a->StoreHeight(), 90);
  Trigger("actEditUndo");
  EXPECT_EQ(a->StoreHeight(), 50);
  EXPECT_EQ(b->StoreHeight(), 70);
  Select({b}, b);
  a->SetSelectMode(smFollow); // the reference is the first smAny or smFirst object: b
  Trigger("actObjSizeSameHeight");
  EXPECT_EQ(a->StoreHeight(), 70);
}

TEST_F(CommandsFixture, OrderCommands)
{
  TDesignObject* a = Add(0, 0, 10, 10, "A");
  Add(0, 0, 10, 10, "B");
  TDesignObject* c = Add(0, 0, 10, 10, "C");
  Select({a, c});
  Trigger("actLayoutSendToBack");
  EXPECT_EQ(Texts(), (std::vector<QString>{"C", "A", "B"}));
  Trigger("actEditUndo");
  EXPECT_EQ(Texts(), (std::vector<QString>{"A", "B", "C"}));
  Trigger("actObjBringToFront");
  EXPECT_EQ(Texts(), (std::vector<QString>{"B", "C", "A"}));
}

TEST_F(CommandsFixture, FontCommandsAndTheDefaultObject)
{
  TDesignObject* small = Add(0, 0, 100, 50);
  TDesignObject* nine = Add(0, 100, 100, 50);
  small->SetFontSize(2);
  small->SetFontBold(true);
  Select({small, nine});
  r->btnFontDecrease->click();
  EXPECT_EQ(small->FontSize(), 2);
  EXPECT_EQ(nine->FontSize(), 7);
  r->btnBold->click();
  EXPECT_FALSE(small->FontBold());
  EXPECT_TRUE(nine->FontBold());
  r->cbFontName->setEditText("Courier New");
  Q_EMIT r->cbFontName->textActivated("Courier New");
  EXPECT_EQ(small->FontName(), "Courier New");

  // With nothing selected the format goes to the default object, and new objects take it.
  Select({});
  r->selFillColour->SetColour(clYellow);
  r->selFillColour->click();
  Q_EMIT r->cbFontSize->textActivated("12");
  EXPECT_EQ(nine->FillColour(), clWhite);
  EXPECT_EQ(w.DefaultObject()->FillColour(), clYellow);
  r->actHAlignCenter->trigger();
  EXPECT_EQ(w.DefaultObject()->HAlign(), daCenter);
  r->tbToolRect->click();
  Mouse::Drag(s, QPoint(300, 300), QPoint(400, 350));
  TDesignObject* drawn = s->GetControl(s->ControlCount() - 1);
  EXPECT_EQ(drawn->FillColour(), clYellow);
  EXPECT_EQ(drawn->FontSize(), 12);
  EXPECT_EQ(drawn->HAlign(), daCenter);
  // Outline width: choosing from the list only changes the selector; the face applies it.
  Select({drawn});
  r->selOutlineWidth->SetWidth(4);
  EXPECT_EQ(drawn->BorderWidth(), 1);
  r->selOutlineWidth->click();
  EXPECT_EQ(drawn->BorderWidth(), 4);
}

TEST_F(CommandsFixture, FontColourGoesToTheCurrentBandFontSizeToAll)
{
  TDesignBand* second = d->AppendBand();
  TDesignObject* here = Add(0, 0, 100, 50);
  TDesignObject* there = nullptr;
  w.DoCreateObjectByName(second->Surface(), "TDesignObject", there);
  second->Surface()->AddControl(there);
  here->SetSelectMode(smAny);
  there->SetSelectMode(smAny);
  d->SetSelectedBand(0);
  r->btnFontIncrease->click();
  EXPECT_EQ(here->FontSize(), 11);
  EXPECT_EQ(there->FontSize(), 11);
  r->selFontColour->SetColour(clRed);
  r->selFontColour->click();
  EXPECT_EQ(here->FontColour(), clRed);
  EXPECT_EQ(there->FontColour(), clBlack);
  EXPECT_EQ(d->UndoManager()->GroupCount(), 3) << "one group per band for the all-bands command";
}

TEST_F(CommandsFixture, NudgingWithAltArrowsAndTheMenu)
{
  TDesignObject* a = Add(100, 100, 50, 50);
  TDesignObject* b = Add(300, 100, 50, 50);
  b->SetLocked(true);
  Select({a, b});
  d->UndoManager()->ClearAll();
  for (int i = 0; i < 3; ++i)
    Key(Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(a->StoreLeft(), 130);
  EXPECT_EQ(b->StoreLeft(), 330) << "nudging moves locked objects too";
  Key(Qt::Key_Left, Qt::NoModifier);
  EXPECT_EQ(a->StoreLeft(), 130) << "arrows without Alt do nothing";
  Trigger("actEditUndo");
  EXPECT_EQ(a->StoreLeft(), 100);
  EXPECT_EQ(b->StoreLeft(), 300);
  Trigger("actLayoutNudgeDown");
  EXPECT_EQ(a->StoreTop(), 110);
  r->btnNudgeUp->click();
  EXPECT_EQ(a->StoreTop(), 100);
}

TEST_F(CommandsFixture, LockingAndDeleting)
{
  TDesignObject* a = Add(100, 100, 50, 50, "a");
  TDesignObject* b = Add(300, 100, 50, 50, "b");
  Select({a, b});
  r->btnToggleLock->click();
  EXPECT_TRUE(a->Locked());
  Trigger("actLayoutUnlock");
  EXPECT_FALSE(b->Locked());
  Trigger("actObjLock");
  b->SetLocked(false);
  Trigger("actEditCut");
  EXPECT_EQ(QGuiApplication::clipboard()->text().count("<DesignObject>"), 2) << "cut copies every selected object";
  ASSERT_EQ(s->ControlCount(), 1) << "the locked one stays";
  EXPECT_EQ(s->GetControl(0), a);
  Trigger("actEditUndo");
  EXPECT_EQ(s->ControlCount(), 2);
  s->GetControl(1)->SetSelectMode(smAny);
  r->btnDeleteObject->click();
  EXPECT_EQ(s->ControlCount(), 1);
}

TEST_F(CommandsFixture, CopyPasteAndDuplicate)
{
  TDesignObject* a = Add(100, 100, 50, 50, "a");
  Add(300, 100, 50, 50, "b");
  Select({a});
  Trigger("actEditCopy");
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("<?xml"));
  d->UndoManager()->ClearAll();
  Trigger("actEditPaste");
  ASSERT_EQ(s->ControlCount(), 3);
  TDesignObject* pasted = s->GetControl(2);
  EXPECT_EQ(pasted->Text(), "a");
  EXPECT_EQ(pasted->BoundsRect(), a->BoundsRect());
  EXPECT_EQ(pasted->SelectMode(), smAny);
  EXPECT_NE(a->SelectMode(), smNone) << "the originals stay selected";
  Trigger("actEditUndo");
  EXPECT_EQ(s->ControlCount(), 2) << "Undo removes what was pasted";

  Select({a});
  r->btnDuplicate->click();
  ASSERT_EQ(s->ControlCount(), 3);
  EXPECT_EQ(a->SelectMode(), smNone);
  EXPECT_EQ(s->GetControl(2)->SelectMode(), smAny);
  EXPECT_EQ(s->GetControl(2)->StoreLeft(), 100);

  // Nothing selected: the clipboard gets an empty list and pasting adds nothing.
  Select({});
  Trigger("actEditCopy");
  Trigger("actEditPaste");
  EXPECT_EQ(s->ControlCount(), 3);
  // Broken XML pastes nothing.
  QGuiApplication::clipboard()->setText("<?xml version=\"1.0\"?><DesignObjects><DesignObject>");
  r->btnPaste->click();
  QGuiApplication::clipboard()->setText("<?xml version=\"1.0\"?><DesignObjects><DesignObject/></DesignObjects>");
  r->btnPaste->click();
  EXPECT_EQ(s->ControlCount(), 3);
}

TEST_F(CommandsFixture, PastingTextMakesATextObjectSizedToIt)
{
  QGuiApplication::clipboard()->setText("A line of pasted text");
  Trigger("actEditPaste");
  ASSERT_EQ(s->ControlCount(), 1);
  TDesignObject* o = s->GetControl(0);
  EXPECT_EQ(o->Text(), "A line of pasted text");
  EXPECT_EQ(o->SelectMode(), smNone);
  EXPECT_EQ(o->Left(), -2);
  EXPECT_EQ(o->Autosize(), 1);
  EXPECT_GT(o->Width(), 100);

  // Twelve lines: only the first ten count for the width.
  QString twelve;
  for (int i = 0; i < 12; ++i)
    twelve += (i == 11 ? QString(60, u'W') : QStringLiteral("short")) + QStringLiteral("\r\n");
  QGuiApplication::clipboard()->setText(twelve);
  Trigger("actEditPaste");
  TDesignObject* lines = s->GetControl(1);
  EXPECT_LT(lines->Width(), 100);
  EXPECT_GT(lines->Height(), 100);

  QGuiApplication::clipboard()->setText(QString(400, u'W'));
  Trigger("actEditPaste");
  EXPECT_EQ(s->GetControl(2)->Width(), s->width()) << "never wider than the page";

  // A very large text is taken whole and the page still paints.
  QGuiApplication::clipboard()->setText(QString(50 * 1024 * 1024, u'x'));
  Trigger("actEditPaste");
  ASSERT_EQ(s->ControlCount(), 4);
  EXPECT_EQ(s->GetControl(3)->Text().size(), 50 * 1024 * 1024);
  RenderWidget(s);
}

TEST_F(CommandsFixture, PastingAPictureKeepsThePicture)
{
  QImage picture(200, 100, QImage::Format_RGB32);
  picture.fill(Qt::green);
  QGuiApplication::clipboard()->setImage(picture);
  Trigger("actEditPaste");
  ASSERT_EQ(s->ControlCount(), 1);
  TDesignObject* o = s->GetControl(0);
  EXPECT_EQ(o->Width(), 200);
  EXPECT_EQ(o->Height(), 100);
  EXPECT_EQ(o->Left(), -2);
  ASSERT_TRUE(o->HasImage());
  EXPECT_EQ(o->ImageType(), ditBMP);

  QImage huge(10000, 10000, QImage::Format_RGB32);
  huge.fill(Qt::blue);
  QGuiApplication::clipboard()->setImage(huge);
  Trigger("actEditPaste");
  TDesignObject* big = s->GetControl(1);
  ASSERT_TRUE(big->HasImage());
  EXPECT_EQ(big->Image()->Picture().constBits(), QGuiApplication::clipboard()->image().constBits())
    << "the object holds the clipboard's picture, not a copy";
  big->SetStoreWidth(500);
  big->SetStoreHeight(500);
  big->SetImageMode(imStretch);
  const QImage shot = RenderWidget(s);
  EXPECT_EQ(PixelRgb(shot, 50, 50), 0x0000FFu);
}

TEST_F(CommandsFixture, TheToolbarShowsWhatTheSelectionShares)
{
  TDesignObject* a = Add(100, 100, 50, 50);
  TDesignObject* b = Add(300, 100, 50, 50);
  TDesignObject* c = Add(500, 100, 50, 50);
  c->SetFontName("Tahoma");
  a->SetFillColour(clYellow);
  b->SetFillColour(clYellow);
  r->cbFontName->setEditText("Before");
  Select({a, c});
  w.ShowSelectionProperties();
  EXPECT_EQ(r->cbFontName->currentText(), "Before");
  Select({a, b});
  w.ShowSelectionProperties();
  EXPECT_EQ(r->cbFontName->currentText(), "Arial");
  EXPECT_EQ(r->selFillColour->Colour(), clYellow);
  EXPECT_EQ(w.SelectionPropList().Values("FONTNAME"), "Arial");
  // A click on the empty page shows the default object's format.
  w.DefaultObject()->SetFontSize(14);
  Mouse::Click(s, QPoint(700, 900));
  EXPECT_EQ(r->cbFontSize->currentText(), "14");
  EXPECT_EQ(r->selFillColour->Colour(), clWhite);
  EXPECT_EQ(w.statusBar()->findChildren<QLabel*>().back()->text(), "No objects selected");
  Mouse::Click(s, a->BoundsRect().center());
  EXPECT_EQ(w.statusBar()->findChildren<QLabel*>().back()->text(), "1 object selected");
}

TEST_F(CommandsFixture, SnapToggleAndItsChecks)
{
  s->SetSnapToGrid(true);
  w.UpdateSnapButton();
  EXPECT_TRUE(r->btnSnap->isChecked());
  r->btnSnap->click();
  EXPECT_FALSE(s->SnapToGrid());
  EXPECT_FALSE(w.Action("actLayoutSnap")->isChecked());
  Trigger("actLayoutSnap");
  EXPECT_TRUE(s->SnapToGrid());
  EXPECT_TRUE(r->btnSnap->isChecked());
  EXPECT_TRUE(w.Action("actLayoutSnap")->isChecked());
}

TEST_F(CommandsFixture, SplitButtonFacesRepeatTheirLastEntry)
{
  TDesignObject* ref = Add(100, 100, 50, 40);
  TDesignObject* a = Add(300, 300, 30, 20);
  Select({ref, a});
  r->btnVAlign->click(); // first entry before any choice: Top Justify
  EXPECT_EQ(ref->VAlign(), vaTop);
  r->actVAlignBase->trigger();
  EXPECT_EQ(a->VAlign(), vaBottom);
  a->SetVAlign(vaTop);
  r->btnVAlign->click();
  EXPECT_EQ(a->VAlign(), vaBottom);
  r->actVSizeTallest->trigger();
  a->SetStoreHeight(5);
  r->btnVSize->click();
  EXPECT_EQ(a->StoreHeight(), 40);
}

TEST_F(CommandsFixture, EveryEntryIsThere)
{
  for (const char* name :
       {"actFileNew", "actFileOpen", "actFileSave", "actFileSaveAs", "actFilePrintSetup", "actFilePrintPreview",
        "actFilePrint", "actFileExit", "actEditCopy", "actEditCut", "actEditPaste", "actEditDelete", "actEditSelectAll",
        "actEditSelectNone", "actEditUndo", "actFormatText", "actFormatBorders", "actFormatImage", "actLayoutLock",
        "actLayoutUnlock", "actHelpAbout", "actObjProperties", "actObjPosition", "actObjImage"})
    EXPECT_NE(w.Action(name), nullptr) << name;
  EXPECT_EQ(w.Action("actEditCopy")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
  EXPECT_EQ(w.Action("actEditDelete")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Delete));
  EXPECT_FALSE(w.Action("actObjImage")->isVisible());
  // The printing entries are inert for now: nothing is asked or shown.
  Trigger("actFilePrint");
  Trigger("actFilePrintSetup");
  r->btnPrint->click();
  EXPECT_TRUE(prompts->Log.isEmpty());
  // Every object made gets the context menu.
  EXPECT_EQ(Add(0, 0, 10, 10)->PopupMenu(), w.ObjectMenu());
}

TEST_F(CommandsFixture, ScreenshotsOfTheRibbonPagesAndTheContextMenu)
{
  w.resize(1280, 800);
  w.show();
  Add(200, 200, 400, 150, "A text box")->SetSelectMode(smFirst);
  QApplication::processEvents();
  for (int page = 0; page < 3; ++page) {
    r->Bar->setCurrentIndex(page);
    QApplication::processEvents();
    const QImage shot = w.grab().toImage();
    SaveShot(shot, QStringLiteral("window-page-%1").arg(page));
    EXPECT_LE(r->Bar->sizeHint().width(), 1280);
  }
  w.ObjectMenu()->popup(w.mapToGlobal(QPoint(300, 300)));
  QApplication::processEvents();
  const QImage menu = w.ObjectMenu()->grab().toImage();
  SaveShot(menu, "context-menu");
  int visible = 0;
  for (QAction* a : w.ObjectMenu()->actions())
    visible += a->isVisible() && !a->isSeparator();
  EXPECT_EQ(visible, 13);
  EXPECT_GT(menu.height(), 13 * 18);
  w.ObjectMenu()->hide();
}

TEST_F(CommandsFixture, MenuEntriesOpenThePropertyDialogs)
{
  TDesignObject* a = Add(100, 100, 200, 100);
  TDesignObject* b = Add(400, 100, 200, 100);
  b->SetFontName("Courier New");
  Select({a, b});
  w.ShowSelectionProperties();

  // Text dialog: only the colour changes, on both; the fonts stay different.
  WhenModalOpens([](QWidget* dialog) {
    auto* text = qobject_cast<TfDesignText*>(dialog);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->windowTitle(), "Text");
    text->FontColour()->SetColour(clRed);
    Q_EMIT text->FontColour()->colourChosen(clRed);
    text->OkButton()->click();
  });
  Trigger("actFormatText");
  EXPECT_EQ(a->FontColour(), clRed);
  EXPECT_EQ(b->FontColour(), clRed);
  EXPECT_EQ(b->FontName(), "Courier New");
  Trigger("actEditUndo");
  EXPECT_EQ(a->FontColour(), clBlack);

  // Borders dialog, cancelled: nothing changes.
  WhenModalOpens([](QWidget* dialog) {
    auto* borders = qobject_cast<TfDesignBorders*>(dialog);
    ASSERT_NE(borders, nullptr);
    Q_EMIT borders->BorderColour()->colourChosen(clBlue);
    borders->CancelButton()->click();
  });
  Trigger("actObjBorders");
  EXPECT_EQ(a->BorderColour(), clBlack);

  // Position dialog from the context menu: every selected object takes the position.
  WhenModalOpens([](QWidget* dialog) {
    auto* position = qobject_cast<TfDesignPosition*>(dialog);
    ASSERT_NE(position, nullptr);
    position->LeftEdit()->setText("12.5");
    position->TopEdit()->setText("10.25");
    position->OkButton()->click();
  });
  Trigger("actObjPosition");
  EXPECT_EQ(a->StoreLeft(), 125);
  EXPECT_EQ(a->StoreTop(), 102) << "102.5 goes to the even neighbour";
  EXPECT_EQ(b->StoreLeft(), 125);

  // Properties without a reference object opens nothing.
  Select({});
  Trigger("actObjProperties");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
