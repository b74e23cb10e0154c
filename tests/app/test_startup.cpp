#include "app/DesignPage.h"
#include "app/LayoutDialog.h"
#include "editing/Ruler.h"
#include "model/Band.h"
#include "model/Container.h"
#include "model/PageLayout.h"
#include "model/Surface.h"
#include "objects/DesignImage.h"
#include "objects/DesignObject.h"

#include "support/Support.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TfDesignPage> MakeWindow()
{
  return std::make_unique<TfDesignPage>(std::make_unique<TScriptedPrompts>());
}

TScriptedPrompts* PromptsOf(TfDesignPage& w)
{
  return static_cast<TScriptedPrompts*>(w.Prompts());
}

// Runs the page layout dialog that the next command opens: Edit fills it in, then Ok
// (or Cancel) closes it.
void AnswerPageDialog(std::function<void(TfDesignLayout*)> Edit, bool Ok)
{
  WhenModalOpens([Edit = std::move(Edit), Ok](QWidget* w) {
    auto* dialog = qobject_cast<TfDesignLayout*>(w);
    ASSERT_NE(dialog, nullptr) << "the page layout dialog is shown";
    EXPECT_EQ(dialog->windowTitle(), "Page Layout");
    if (Edit)
      Edit(dialog);
    (Ok ? dialog->OkButton() : dialog->CancelButton())->click();
  });
}

void ExpectMetricDefaults(TfDesignPage& w)
{
  TDesignContainer* d = w.Designer();
  ASSERT_EQ(d->Bands(), 1);
  TDesignBand* band = d->Band(0);
  TDesignSurface* s = band->Surface();
  EXPECT_EQ(w.windowTitle(), "Page Designer - New Document");
  EXPECT_EQ(d->PageLayout()->PaperSize(), "A4");
  EXPECT_FALSE(w.Imperial());
  EXPECT_TRUE(band->ShowTopRuler());
  EXPECT_TRUE(band->ShowLeftRuler());
  EXPECT_EQ(s->StoreWidth(), 2100);
  EXPECT_EQ(s->StoreHeight(), 2970);
  EXPECT_EQ(s->width(), 793);
  EXPECT_EQ(s->height(), 1122);
  EXPECT_EQ(s->StoreLeftMargin(), 150);
  EXPECT_EQ(s->StoreTopMargin(), 150);
  EXPECT_EQ(s->StoreRightMargin(), 150);
  EXPECT_EQ(s->StoreBottomMargin(), 150);
  EXPECT_TRUE(s->DrawMargin());
  EXPECT_TRUE(s->SnapToGrid());
  EXPECT_DOUBLE_EQ(s->GridSize(), 1.0);
  EXPECT_EQ(s->ControlCount(), 0);
  EXPECT_EQ(band->TopRuler()->Units(), ruCM);
  EXPECT_EQ(band->LeftRuler()->Units(), ruCM);
  EXPECT_FALSE(d->Changed());
}

} // namespace

TEST(Startup, MetricLocaleGivesAnA4PageWithMarginsAndRulers)
{
  if (qEnvironmentVariableIsSet("ZENTAF_EXPECT_IMPERIAL"))
    GTEST_SKIP() << "runs in the metric parent only";
  auto w = MakeWindow();
  ExpectMetricDefaults(*w);
  // The margin frame is drawn in aqua, 56 pixels (15 mm) in from each edge.
  TDesignSurface* s = w->Designer()->Surface();
  const QImage img = RenderWidget(s);
  EXPECT_EQ(PixelRgb(img, 56, 500), 0x00FFFFu);
  EXPECT_EQ(PixelRgb(img, 400, 56), 0x00FFFFu);
  EXPECT_EQ(PixelRgb(img, 793 - 56 - 1, 500), 0x00FFFFu);
  EXPECT_EQ(PixelRgb(img, 400, 1122 - 56 - 1), 0x00FFFFu);
  EXPECT_EQ(PixelRgb(img, 400, 500), 0xFFFFFFu);
}

// Run by the imperial test below in a child process whose locale names the United
// States; in a normal run it does nothing.
TEST(Startup, ReportsLocaleDefaultsInChild)
{
  if (!qEnvironmentVariableIsSet("ZENTAF_EXPECT_IMPERIAL"))
    GTEST_SKIP() << "only meaningful inside the child process";
  auto w = MakeWindow();
  TDesignContainer* d = w->Designer();
  ASSERT_EQ(d->Bands(), 1);
  EXPECT_TRUE(w->Imperial());
  EXPECT_EQ(d->PageLayout()->PaperSize(), "LETTER");
  EXPECT_TRUE(d->PageLayout()->WantImperial());
  EXPECT_EQ(d->Surface()->StoreWidth(), 2160);
  EXPECT_EQ(d->Surface()->StoreHeight(), 2790);
  EXPECT_EQ(d->Band(0)->TopRuler()->Units(), ruInch);
  EXPECT_EQ(d->Band(0)->LeftRuler()->Units(), ruInch);
  EXPECT_TRUE(w->actImperial()->isChecked());
}

TEST(Startup, UnitedStatesLocaleGivesLetterPaperAndInches)
{
  if (qEnvironmentVariableIsSet("ZENTAF_EXPECT_IMPERIAL"))
    GTEST_SKIP();
  const QString self = QCoreApplication::applicationFilePath();
  const struct {
    const char* var;
  } cases[] = {{"LC_ALL"}, {"LC_MEASUREMENT"}};
  for (const auto& c : cases) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LC_ALL");
    env.insert("LANG", "C.UTF-8");
    env.insert(QString::fromLatin1(c.var), "en_US.UTF-8");
    env.insert("ZENTAF_EXPECT_IMPERIAL", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(self, {"--gtest_filter=Startup.ReportsLocaleDefaultsInChild"});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    EXPECT_EQ(child.exitCode(), 0) << c.var << "\n" << out.toStdString();
    EXPECT_TRUE(out.contains("[       OK ] Startup.ReportsLocaleDefaultsInChild")) << out.toStdString();
  }
}

TEST(Startup, NewFromTheMenuAskForThePageAndCancelKeepsThePage)
{
  auto w = MakeWindow();
  w->Designer()->Surface()->AddControl(new TDesignObject);
  PromptsOf(*w)->Answers.push_back(TPromptAnswer::No); // do not save the drawn object
  AnswerPageDialog(nullptr, false);
  w->actNew()->trigger();
  EXPECT_EQ(w->Designer()->Surface()->ControlCount(), 0) << "a new, empty design was made";
  ExpectMetricDefaults(*w);
}

TEST(Startup, NewWithLandscapeAndWiderMargins)
{
  auto w = MakeWindow();
  AnswerPageDialog(
    [](TfDesignLayout* d) {
      d->Landscape()->setChecked(true);
      for (QSpinBox* s : {d->LeftMargin(), d->TopMargin(), d->RightMargin(), d->BottomMargin()})
        s->setValue(20);
    },
    true);
  w->actNew()->trigger();
  TDesignSurface* s = w->Designer()->Surface();
  EXPECT_EQ(w->Designer()->PageLayout()->Orientation(), poLandscape);
  EXPECT_EQ(s->StoreWidth(), 2970);
  EXPECT_EQ(s->StoreHeight(), 2100);
  EXPECT_EQ(s->StoreLeftMargin(), 200);
  EXPECT_EQ(s->StoreTopMargin(), 200);
  EXPECT_EQ(s->StoreRightMargin(), 200);
  EXPECT_EQ(s->StoreBottomMargin(), 200);
  EXPECT_EQ(s->LeftMargin(), 75);
}

TEST(Startup, PaperNamesTypedIntoTheDialog)
{
  const struct {
    const char* typed;
    const char* paper;
    int width, height;
  } cases[] = {
    {"LEGAL", "LEGAL", 2160, 3560}, {"120X80", "120X80", 1200, 800}, {"Letterish", "A4", 2100, 2970},
    {"B5", "B5", 2100, 2970},
  };
  for (const auto& c : cases) {
    auto w = MakeWindow();
    AnswerPageDialog([&](TfDesignLayout* d) { d->PaperSize()->setEditText(QString::fromLatin1(c.typed)); }, true);
    w->actNew()->trigger();
    EXPECT_EQ(w->Designer()->PageLayout()->PaperSize(), QString::fromLatin1(c.paper)) << c.typed;
    EXPECT_EQ(w->Designer()->Surface()->StoreWidth(), c.width) << c.typed;
    EXPECT_EQ(w->Designer()->Surface()->StoreHeight(), c.height) << c.typed;
  }
}

TEST(Startup, BackgroundPictureIsShownAndCarriedIntoTheNextDesign)
{
  const QString file = TestTempDir() + "/background.png";
  QImage img(50, 40, QImage::Format_RGB32);
  img.fill(QColor(0x12, 0x34, 0x56));
  ASSERT_TRUE(img.save(file));

  auto w = MakeWindow();
  AnswerPageDialog(
    [&](TfDesignLayout* d) {
      d->UseBackground()->setChecked(true);
      d->ImagePath()->setText(file);
      d->ScalingMode()->button(int(imNone))->setChecked(true);
    },
    true);
  w->actNew()->trigger();
  TDesignSurface* s = w->Designer()->Surface();
  ASSERT_TRUE(s->HasImage());
  EXPECT_EQ(s->Image(), w->Designer()->PageLayout()->Image()) << "the picture is shared, not copied";
  EXPECT_EQ(PixelRgb(RenderWidget(s), 10, 10), 0x123456u);

  // New with Cancel keeps the page layout, background included.
  AnswerPageDialog(nullptr, false);
  w->actNew()->trigger();
  EXPECT_TRUE(w->Designer()->Surface()->HasImage());
  EXPECT_EQ(PixelRgb(RenderWidget(w->Designer()->Surface()), 10, 10), 0x123456u);
}

TEST(Startup, MissingBackgroundPictureGivesNoPictureAndNoCrash)
{
  auto w = MakeWindow();
  AnswerPageDialog(
    [](TfDesignLayout* d) {
      d->UseBackground()->setChecked(true);
      d->ImagePath()->setText(TestTempDir() + "/no-such-picture.png");
    },
    true);
  w->actNew()->trigger();
  EXPECT_FALSE(w->Designer()->PageLayout()->HasImage());
  EXPECT_FALSE(w->Designer()->Surface()->HasImage());
  EXPECT_EQ(PixelRgb(RenderWidget(w->Designer()->Surface()), 10, 10), 0xFFFFFFu);
}

TEST(Startup, MeasurementsMenuSwitchesTheRulers)
{
  auto w = MakeWindow();
  w->actImperial()->trigger();
  EXPECT_TRUE(w->Imperial());
  EXPECT_EQ(w->Designer()->Band(0)->TopRuler()->Units(), ruInch);
  EXPECT_EQ(w->Designer()->Band(0)->LeftRuler()->Units(), ruInch);
  w->actMetric()->trigger();
  EXPECT_FALSE(w->Imperial());
  EXPECT_EQ(w->Designer()->Band(0)->TopRuler()->Units(), ruCM);
  EXPECT_TRUE(w->actMetric()->isChecked());
}

TEST(Startup, WindowShowsThePage)
{
  auto w = MakeWindow();
  w->resize(1100, 800);
  w->show();
  QApplication::processEvents();
  const QImage shot = w->grab().toImage();
  SaveShot(shot, "main-window");
  // The surface sits at the band's (25, 25); find it in the window.
  TDesignSurface* s = w->Designer()->Surface();
  const QPoint origin = s->mapTo(w.get(), QPoint(0, 0));
  EXPECT_EQ(PixelRgb(shot, origin.x() + 100, origin.y() + 100), 0xFFFFFFu);
  EXPECT_EQ(PixelRgb(shot, origin.x() + 56, origin.y() + 100), 0x00FFFFu);
  EXPECT_EQ(PixelRgb(shot, origin.x() - 12, origin.y() - 12), 0xA0A0A0u) << "the band's backdrop";
}
