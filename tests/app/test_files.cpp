#include "app/DesignPage.h"
#include "editing/Undo.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "model/TextHelpers.h"
#include "objects/DesignObject.h"

#include "support/Support.h"

#include <QAction>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

struct FilesFixture : ::testing::Test {
  TScriptedPrompts* prompts = new TScriptedPrompts;
  std::unique_ptr<TfDesignPage> w = std::make_unique<TfDesignPage>(std::unique_ptr<TPrompts>(prompts));
  QString dir = TestTempDir() + "/files-" + QString::number(quintptr(this));

  FilesFixture() { QDir().mkpath(dir); }

  TDesignSurface* Surface() { return w->Designer()->Surface(); }
  // An edit: a new object on the surface, recorded as created.
  TDesignObject* Edit(const QString& Text = "edited")
  {
    auto* o = new TDesignObject;
    o->SetText(Text);
    Surface()->AddControlAt(o, QRect(20, 20, 40, 20));
    return o;
  }
  QString Path(const QString& Name) { return dir + "/" + Name; }
  QString Save(const QString& Name)
  {
    prompts->SaveFiles.push_back(Path(Name));
    EXPECT_TRUE(w->DoSaveAs());
    return Path(Name);
  }
  static QByteArray Bytes(const QString& File)
  {
    QFile f(File);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

} // namespace

TEST_F(FilesFixture, StateTableOfSaveOpenAndNew)
{
  EXPECT_EQ(w->FileName(), "");
  EXPECT_FALSE(w->Designer()->Changed());
  Edit();
  EXPECT_TRUE(w->Designer()->Changed());
  EXPECT_EQ(w->windowTitle(), "Page Designer - New Document");

  // Save on a design without a file asks for one; a cancelled dialog changes nothing.
  w->actSave()->trigger();
  EXPECT_EQ(prompts->Log.last(), "save: Save Design");
  EXPECT_TRUE(w->Designer()->Changed());
  EXPECT_EQ(w->FileName(), "");

  const QString file = Save("one.qzpage");
  EXPECT_EQ(w->FileName(), file);
  EXPECT_FALSE(w->Designer()->Changed());
  EXPECT_EQ(w->windowTitle(), "Page Designer - one.qzpage");
  EXPECT_EQ(prompts->Notices().last(), "Layout Saved");
  const QByteArray saved = Bytes(file);
  EXPECT_TRUE(saved.startsWith("\xEF\xBB\xBF<?xml version=\"1.0\""));
  EXPECT_TRUE(saved.contains("\r\n<PageDesign10>\r\n"));

  // Save again: the same file, no dialog, the notice again.
  Edit("second");
  const int dialogs = int(prompts->Log.filter("save:").size());
  w->actSave()->trigger();
  EXPECT_EQ(int(prompts->Log.filter("save:").size()), dialogs);
  EXPECT_EQ(prompts->Notices().count("Layout Saved"), 2);
  EXPECT_TRUE(Bytes(file).contains("<TEXT>second</TEXT>"));

  // A failed save keeps the name and the changed state.
  Edit("third");
  prompts->SaveFiles.push_back(dir + "/no-such-folder/x.qzpage");
  EXPECT_FALSE(w->DoSaveAs());
  EXPECT_EQ(prompts->Notices().last(), "Cannot save layout");
  EXPECT_EQ(w->FileName(), file);
  EXPECT_TRUE(w->Designer()->Changed());
  EXPECT_FALSE(Bytes(file).contains("third")) << "the saved file is untouched";

  // New (answering No to saving): empty, unchanged, no file.
  prompts->Answers.push_back(TPromptAnswer::No);
  WhenModalOpens([](QWidget* d) { d->close(); });
  w->actNew()->trigger();
  EXPECT_EQ(w->FileName(), "");
  EXPECT_EQ(Surface()->ControlCount(), 0);
  EXPECT_FALSE(w->Designer()->Changed());
  EXPECT_EQ(w->windowTitle(), "Page Designer - New Document");

  // Open, with unsaved changes: replaced without a question; nothing to undo.
  Edit("unsaved");
  const int questions = int(prompts->Log.filter("confirm:").size());
  prompts->OpenFiles.push_back(file);
  w->actOpen()->trigger();
  EXPECT_EQ(int(prompts->Log.filter("confirm:").size()), questions);
  EXPECT_EQ(w->FileName(), file);
  EXPECT_EQ(w->windowTitle(), "Page Designer - one.qzpage");
  ASSERT_EQ(Surface()->ControlCount(), 2);
  EXPECT_EQ(Surface()->GetControl(1)->Text(), "second");
  EXPECT_FALSE(w->Designer()->Changed());
  w->actUndo()->trigger();
  EXPECT_EQ(Surface()->ControlCount(), 2);

  // Saving what was opened gives the same bytes.
  const QString copy = Save("copy.qzpage");
  EXPECT_EQ(Bytes(copy), Bytes(file));
}

TEST_F(FilesFixture, OpenFailuresChangeNothing)
{
  Edit("keep me");
  const QString good = Save("good.qzpage");
  Edit("unsaved");
  const struct {
    const char* name;
    QByteArray content;
    const char* notice;
  } cases[] = {
    {"missing.qzpage", QByteArray(), "Cannot open file stream"},
    {"broken.qzpage", "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<PageDesign10>\r\n<DesignHeader>\r\n", "not a layout"},
    {"old.qzpage", "<PageDesign9><DesignContainer/></PageDesign9>", "PageDesign9"},
    {"binary.qzpage", QByteArray("\x89PNG\r\n\x1a\n\xff\xfe\xfd", 11), "Cannot open file stream"},
  };
  for (const auto& c : cases) {
    const QString file = Path(QString::fromLatin1(c.name));
    if (!c.content.isNull()) {
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.content);
    }
    EXPECT_FALSE(w->DoLoadDesign(file)) << c.name;
    EXPECT_TRUE(prompts->Notices().last().contains(QString::fromLatin1(c.notice))) << prompts->Notices().last().toStdString();
    EXPECT_EQ(w->FileName(), good);
    EXPECT_EQ(w->windowTitle(), "Page Designer - good.qzpage");
    EXPECT_EQ(Surface()->ControlCount(), 2);
    EXPECT_TRUE(w->Designer()->Changed());
  }
  // The parser's reason names the line.
  EXPECT_TRUE(prompts->Notices()[prompts->Notices().size() - 3].contains("(line 4)"))
    << prompts->Notices()[prompts->Notices().size() - 3].toStdString();
}

TEST_F(FilesFixture, AFileBrokenPartWayKeepsWhatWasReadUnderNoName)
{
  Save("before.qzpage");
  const QString file = Path("partial.qzpage");
  ASSERT_TRUE(WriteTextFile(file,
                            "<PageDesign10><DesignHeader><HEADER>PageDesign</HEADER><VERSION>10</VERSION>"
                            "</DesignHeader><DesignContainer><DesignBands><DesignBand><DesignObjects>"
                            "<DesignObject><TYPE>TDesignObject</TYPE><TEXT>read</TEXT></DesignObject><DesignObject/>"
                            "</DesignObjects></DesignBand></DesignBands></DesignContainer></PageDesign10>",
                            true));
  EXPECT_FALSE(w->DoLoadDesign(file));
  EXPECT_TRUE(prompts->Log.last().startsWith("error: "));
  ASSERT_EQ(Surface()->ControlCount(), 1);
  EXPECT_EQ(Surface()->GetControl(0)->Text(), "read");
  EXPECT_EQ(w->FileName(), "") << "a later Save must not overwrite the file opened before";
  EXPECT_FALSE(w->Designer()->UndoManager()->Blocked());
}

TEST_F(FilesFixture, ClosingTheWindowAsksOnlyAboutChanges)
{
  w->show();
  w->close();
  EXPECT_FALSE(w->isVisible()) << "no changes: closes at once";
  EXPECT_TRUE(prompts->Log.filter("confirm:").isEmpty());

  // A closed window has ended its design; the rest runs in a fresh one.
  prompts = new TScriptedPrompts;
  w = std::make_unique<TfDesignPage>(std::unique_ptr<TPrompts>(prompts));
  w->show();
  Edit();
  prompts->Answers.push_back(TPromptAnswer::Cancel);
  w->close();
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Surface()->ControlCount(), 1);

  prompts->Answers.push_back(TPromptAnswer::Yes); // save, but cancel the Save As dialog
  w->close();
  EXPECT_TRUE(w->isVisible()) << "a save that did not happen keeps the program running";

  prompts->Answers.push_back(TPromptAnswer::Yes);
  prompts->SaveFiles.push_back(Path("closing.qzpage"));
  w->close();
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(QFile::exists(Path("closing.qzpage")));
}

TEST_F(FilesFixture, ExitAsksFirst)
{
  w->show();
  Edit();
  prompts->Answers.push_back(TPromptAnswer::No);
  w->actExit()->trigger();
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(prompts->Log.last(), "confirm: Do you wish to exit this design?");

  prompts->Answers.push_back(TPromptAnswer::Yes);
  prompts->Answers.push_back(TPromptAnswer::No);
  w->actExit()->trigger();
  EXPECT_EQ(prompts->Log.last(), "confirm: Do you wish to save your changes?");
  EXPECT_FALSE(w->isVisible());
}

TEST_F(FilesFixture, TheLastLayoutNamedOnTheCommandLineIsOpened)
{
  Edit("b");
  const QString b = Save("b.TXT");
  Edit("a");
  const QString a = Save("a.qzpage");
  prompts->Answers.push_back(TPromptAnswer::No);
  WhenModalOpens([](QWidget* d) { d->close(); });
  w->actNew()->trigger();

  const struct {
    QStringList args;
    QString opened;
  } cases[] = {
    {{a, b, Path("c.xml")}, b},
    {{Path("c.xml"), Path("d.XML")}, QString()},
    {{b, a}, a},
  };
  for (const auto& c : cases) {
    TScriptedPrompts* p = new TScriptedPrompts;
    TfDesignPage fresh{std::unique_ptr<TPrompts>(p)};
    fresh.SetCommandLine(c.args);
    fresh.show();
    EXPECT_EQ(fresh.FileName(), c.opened);
  }
}
