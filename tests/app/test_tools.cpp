#include "app/DesignPage.h"
#include "app/DesignRibbon.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "objects/DesignObject.h"

#include "support/Support.h"

#include <QApplication>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

struct ToolsFixture : ::testing::Test {
  TScriptedPrompts* prompts = new TScriptedPrompts;
  TfDesignPage w{std::unique_ptr<TPrompts>(prompts)};
  TDesignRibbon* r = w.Ribbon();
  TDesignSurface* s = w.Designer()->Surface();

  // Chooses a tool with its ribbon button and drags a rectangle on the surface.
  TDesignObject* Draw(QToolButton* Tool, QRect Area = QRect(100, 100, 120, 60))
  {
    Tool->click();
    const int before = s->ControlCount();
    Mouse::Drag(s, Area.topLeft(), Area.bottomRight());
    return s->ControlCount() > before ? s->GetControl(s->ControlCount() - 1) : nullptr;
  }
};

} // namespace

TEST_F(ToolsFixture, RectangleAndTextBoxMakeTheSameObject)
{
  for (QToolButton* tool : {r->tbToolRect, r->tbToolText}) {
    TDesignObject* o = Draw(tool);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->ClassName(), "TDesignObject");
    EXPECT_EQ(o->BorderShape(), bshRect);
    EXPECT_EQ(o->Text(), "New Object Text");
    EXPECT_TRUE(o->WordWrap());
    EXPECT_TRUE(o->CanEdit());
    EXPECT_TRUE(o->InDesigner());
    EXPECT_EQ(o->Surface(), s);
    EXPECT_EQ(o->FontName(), "Arial");
    EXPECT_EQ(o->FontSize(), 9);
    EXPECT_EQ(o->BorderWidth(), 1);
    EXPECT_EQ(o->FillStyle(), bsSolid);
    EXPECT_EQ(o->StoreLeft() % 10, 0) << "snapped on adoption";
    EXPECT_EQ(s->DesignMode(), dmSelect);
    EXPECT_TRUE(r->tbSelect->isChecked()) << "the Select button shows down again";
  }
}

TEST_F(ToolsFixture, OneDragMakesOneObject)
{
  ASSERT_NE(Draw(r->tbToolEllipse), nullptr);
  EXPECT_EQ(s->GetControl(0)->BorderShape(), bshEllipse);
  Mouse::Drag(s, QPoint(50, 300), QPoint(400, 500));
  EXPECT_EQ(s->ControlCount(), 1) << "the second drag selects";
  EXPECT_EQ(s->GetControl(0)->SelectMode(), smNone);
}

TEST_F(ToolsFixture, EachToolSetsItsShapeAndFormat)
{
  const struct {
    QToolButton* TDesignRibbon::*button;
    TBorderShape shape;
    bool text;
  } cases[] = {
    {&TDesignRibbon::tbToolRoundRect, bshRoundRect, true}, {&TDesignRibbon::tbToolEllipse, bshEllipse, true},
    {&TDesignRibbon::tbToolVLine, bshVLine, false},        {&TDesignRibbon::tbToolHLine, bshHLine, false},
    {&TDesignRibbon::tbToolLabel, bshNone, true},          {&TDesignRibbon::tbToolBarcode, bshNone, true},
    {&TDesignRibbon::tbToolImage, bshNone, true},
  };
  int y = 20;
  for (const auto& c : cases) {
    TDesignObject* o = Draw(r->*c.button, QRect(100, y, 100, 40));
    y += 60;
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->BorderShape(), c.shape);
    EXPECT_EQ(o->Text().isEmpty(), !c.text);
    EXPECT_TRUE(o->CanEdit());
  }
  TDesignObject* label = Draw(r->tbToolLabel, QRect(400, 20, 100, 40));
  EXPECT_EQ(label->BorderStyle(), psClear);
  EXPECT_EQ(label->BorderWidth(), 0);
  EXPECT_EQ(label->FillStyle(), bsClear);
  EXPECT_EQ(label->FillColour(), clWhite);
}

TEST_F(ToolsFixture, NewObjectsTakeTheDefaultFormat)
{
  TDesignObject* d = w.DefaultObject();
  d->SetFontSize(12);
  d->SetFontName("Courier New");
  d->SetHAlign(daCenter);
  d->SetFillColour(clYellow);
  d->SetTextMargin(3);
  TDesignObject* o = Draw(r->tbToolRect);
  EXPECT_EQ(o->FontSize(), 12);
  EXPECT_EQ(o->FontName(), "Courier New");
  EXPECT_EQ(o->HAlign(), daCenter);
  EXPECT_EQ(o->FillColour(), clYellow);
  EXPECT_EQ(o->TextMargin(), 3);

  // Objects made from pasted text take the font, fill and border through DoSetDefaults.
  TDesignObject pasted;
  w.DoSetDefaults(s, &pasted);
  EXPECT_EQ(pasted.FontSize(), 12);
  EXPECT_EQ(pasted.FillColour(), clYellow);
  EXPECT_EQ(pasted.HAlign(), daLeft) << "not the alignment";
}

TEST_F(ToolsFixture, PictureToolAsksForItsFileFirst)
{
  // Cancelled: nothing is made and the tool stays chosen.
  EXPECT_EQ(Draw(r->tbToolPicture), nullptr);
  EXPECT_EQ(s->DesignMode(), dmCreate);
  EXPECT_EQ(w.ToolSelected(), 6);
  EXPECT_TRUE(prompts->Log.last().startsWith("open: "));

  QImage img(30, 20, QImage::Format_RGB32);
  img.fill(Qt::red);
  const QString file = TestTempDir() + "/tool-picture.png";
  ASSERT_TRUE(img.save(file));
  prompts->OpenFiles.push_back(file);
  Mouse::Drag(s, QPoint(100, 100), QPoint(220, 160));
  ASSERT_EQ(s->ControlCount(), 1);
  TDesignObject* o = s->GetControl(0);
  EXPECT_TRUE(o->HasImage());
  EXPECT_EQ(o->ImageMode(), imStretch);
  EXPECT_EQ(o->ImagePath(), file);
  EXPECT_EQ(o->BorderShape(), bshRect);
}

TEST_F(ToolsFixture, SelectButtonsReturnToSelectMode)
{
  r->tbToolRect->click();
  EXPECT_EQ(s->DesignMode(), dmCreate);
  r->tbSelect->click();
  EXPECT_EQ(s->DesignMode(), dmSelect);
  EXPECT_EQ(w.ToolSelected(), 0);
  r->tbArrowUp->click();
  EXPECT_EQ(w.ToolSelected(), 43);
  r->tbSelect2->click();
  EXPECT_EQ(s->DesignMode(), dmSelect);
}

TEST_F(ToolsFixture, ObjectsMadeByNameAreReadyForTheDesigner)
{
  TDesignObject* o = nullptr;
  r->tbToolRect->click();
  w.DoCreateObjectByName(s, "TDesignNoSuchKind", o);
  ASSERT_NE(o, nullptr);
  EXPECT_EQ(o->ClassName(), "TDesignObject");
  EXPECT_TRUE(o->CanEdit());
  EXPECT_EQ(s->DesignMode(), dmSelect);
  delete o;
}

TEST_F(ToolsFixture, DrawnObjectsAppearInTheWindow)
{
  w.resize(1280, 900);
  w.show();
  TDesignObject* rect = Draw(r->tbToolRect, QRect(80, 80, 200, 80));
  Draw(r->tbToolEllipse, QRect(320, 80, 160, 80));
  Draw(r->tbToolLabel, QRect(80, 200, 200, 40));
  Draw(r->tbToolHLine, QRect(320, 200, 160, 20));
  TDesignObject* selected = Draw(r->tbToolRoundRect, QRect(80, 280, 200, 80));
  Mouse::Click(s, selected->BoundsRect().center());
  QApplication::processEvents();
  const QImage shot = w.grab().toImage();
  SaveShot(shot, "objects-window");
  const QPoint origin = s->mapTo(&w, rect->BoundsRect().topLeft());
  EXPECT_EQ(PixelRgb(shot, origin.x() + 50, origin.y()), 0u) << "the rectangle's top border";
  EXPECT_EQ(PixelRgb(shot, origin.x() + 50, origin.y() + 60), 0xFFFFFFu);
}
