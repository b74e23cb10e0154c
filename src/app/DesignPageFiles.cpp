// The document commands of the main window: open, save, save as, exit, and the command
// line.
#include "app/DesignPage.h"

#include "editing/Undo.h"
#include "format/DesignHeader.h"
#include "model/Container.h"
#include "model/PageLayout.h"
#include "model/Surface.h"
#include "model/TextHelpers.h"

#include <QApplication>
#include <QFileInfo>

namespace {

// Keeps the busy cursor up for the life of the object.
struct TBusyCursor {
  TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void TfDesignPage::DoOpen()
{
  TFileDialogSpec spec;
  spec.Title = QStringLiteral("Open Page Design");
  spec.Filter = QStringLiteral("Page Designs (*.qzpage;*.xml)|*.qzpage;*.xml");
  spec.DefaultExt = QStringLiteral("qzpage");
  const QString file = FPrompts->ChooseOpenFile(spec);
  if (!file.isEmpty())
    DoLoadDesign(file);
}

bool TfDesignPage::DoSave()
{
  if (!FFileName.isEmpty())
    return DoSaveDesign(FFileName);
  return DoSaveAs();
}

bool TfDesignPage::DoSaveAs()
{
  TFileDialogSpec spec;
  spec.Title = QStringLiteral("Save Design");
  spec.Filter = QStringLiteral("Design Pages (*.qzpage,*.xml)|*.qzpage;*.xml");
  spec.DefaultExt = QStringLiteral("qzpage");
  spec.PromptOverwrite = true;
  spec.InitialFile = FFileName;
  const QString file = FPrompts->ChooseSaveFile(spec);
  if (file.isEmpty())
    return false;
  return DoSaveDesign(file);
}

bool TfDesignPage::DoExitDesign(bool Force)
{
  if (Force || FPrompts->Confirm(QStringLiteral("Do you wish to exit this design?"), false) == TPromptAnswer::Yes)
    close();
  return false;
}

bool TfDesignPage::DoSaveDesign(const QString& FileName)
{
  if (TDesignSurface* s = FDesigner->Surface())
    s->BeforeSave();
  QByteArray text;
  {
    TBusyCursor busy;
    text = FDesigner->ToXMLBytes(FDesignHeader);
    // The file is written whole to a temporary file that replaces the old one only
    // once everything is on disk, so a failed save leaves the previous file intact.
    if (!WriteUtf8File(FileName, text, true)) {
      FPrompts->Notice(QStringLiteral("Cannot save layout"));
      return false;
    }
  }
  FPrompts->Notice(QStringLiteral("Layout Saved"));
  FFileName = FileName;
  UpdateCaption();
  FDesigner->UndoManager()->ClearAll();
  return true;
}

bool TfDesignPage::DoLoadDesign(const QString& FileName)
{
  QByteArray text;
  QString error;
  if (!ReadTextFileUtf8(FileName, text, error)) {
    FPrompts->Notice(QStringLiteral("Cannot open file stream"));
    return false;
  }
  const QString shortName = QFileInfo(FileName).fileName();
  TLayoutReadResult result;
  {
    TBusyCursor busy;
    FDesigner->FromXMLBytes(FDesignHeader, std::move(text), &result);
  }
  switch (result.Status) {
  case TLayoutReadResult::NotXml:
    FPrompts->Notice(QStringLiteral("The file \"%1\" is not a layout: %2 (line %3).")
                       .arg(shortName, result.Message)
                       .arg(result.Line));
    return false;
  case TLayoutReadResult::WrongRoot:
    FPrompts->Notice(QStringLiteral("The file \"%1\" is not a layout of this version: its root element is \"%2\", "
                                    "where \"%3\" was expected. Nothing was opened.")
                       .arg(shortName, result.Root, FDesignHeader->RootName()));
    return false;
  case TLayoutReadResult::Failed:
    FPrompts->Error(QStringLiteral("The file \"%1\" could not be read to its end: %2").arg(shortName, result.Message));
    if (result.ReplacedDesign) {
      // What was read before the error stays on screen, but under no file name: a Save
      // must not write this partial design over the file that was open before.
      FFileName.clear();
      UpdateCaption();
      ApplyPageImage();
    }
    return false;
  case TLayoutReadResult::Ok: break;
  }
  FFileName = FileName;
  UpdateSnapButton();
  FImperial = FDesigner->PageLayout()->WantImperial();
  ApplyPageImage();
  UpdateMeasurementChecks();
  UpdateCaption();
  if (!result.Warnings.isEmpty())
    FPrompts->Notice(QStringLiteral("Parts of \"%1\" could not be read:\n%2").arg(shortName, result.Warnings.join(u'\n')));
  return true;
}

void TfDesignPage::OpenFromCommandLine()
{
  QString candidate;
  for (const QString& arg : FArguments) {
    const QString lower = arg.toLower();
    if (lower.endsWith(QStringLiteral(".txt")) || lower.endsWith(QStringLiteral(".qzpage")))
      candidate = arg;
  }
  if (!candidate.isEmpty() && DoLoadDesign(candidate))
    ShowDefaultProperties();
}
