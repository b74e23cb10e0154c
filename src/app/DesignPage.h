#pragma once
// TfDesignPage: the main window. It owns the design container, the default object that
// holds the format of new objects, and the window's menus; it runs the document
// commands and serves the surfaces' requests to make and free objects.
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/Prompts.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class TDesignContainer;
class TDesignFontSize;
class TDesignHeader;
class TDesignObject;
class TDesignRibbon;
class TDesignSurface;
class TNameValueList;
class TPrompts;

class TfDesignPage : public QMainWindow {
  Q_OBJECT
public:
  // Prompts answers the window's questions and file choosers; null gives the real
  // Qt dialogs.
  explicit TfDesignPage(std::unique_ptr<TPrompts> Prompts = nullptr, QWidget* Parent = nullptr);
  ~TfDesignPage() override;

  TDesignContainer* Designer() const { return FDesigner; }
  TDesignRibbon* Ribbon() const { return FRibbon; }
  TDesignObject* DefaultObject() const { return FDefaultObject.get(); }
  TPrompts* Prompts() const { return FPrompts.get(); }
  const TDesignFontSize& FontSizes() const { return *FFontSizes; }
  QString FileName() const { return FFileName; }
  bool Imperial() const { return FImperial; }

  // Starts a new design: closes the current one (asking unless Force) and, when
  // AskForPage, shows the page layout dialog first.
  void DoNew(bool Force, bool AskForPage);
  // Closes the design: asks about unsaved changes unless Force; false when the user
  // cancelled or the save failed.
  bool DoCloseDesign(bool Force);
  // --- Document files -------------------------------------------------------------------
  // Asks for a layout file and opens it (unsaved changes are not asked about).
  void DoOpen();
  // Saves to the current file, or asks for one; true when the design was written.
  bool DoSave();
  bool DoSaveAs();
  // Asks "Do you wish to exit this design?" (unless Force) and closes the window on Yes.
  // Always false.
  bool DoExitDesign(bool Force);
  // Reads a layout file into the design; true when it was read.
  bool DoLoadDesign(const QString& FileName);
  // Writes the design to a file; true when it was written.
  bool DoSaveDesign(const QString& FileName);
  // The layout header written into and read from every document.
  TDesignHeader* DesignHeader() const { return FDesignHeader; }
  void SetDesignHeader(TDesignHeader* v) { FDesignHeader = v ? v : FOwnHeader.get(); }
  // The arguments looked at on the first showing (the program's own by default).
  void SetCommandLine(const QStringList& Arguments) { FArguments = Arguments; }
  // Opens the last argument naming a ".qzpage" or ".txt" file.
  void OpenFromCommandLine();

  // --- Property dialogs ------------------------------------------------------------------
  // Opens the dialog that fits the reference object's kind (nothing without one).
  void DoProperties();
  void DoTextDialog();
  void DoBorderDialog();
  void DoImageDialog();
  void DoImagePathDialog();
  void DoPositionDialog();
  void DoAbout();

  // Runs the page layout dialog on the container's page layout.
  bool DoPageDialog();
  void DoPageSetup() { DoPageDialog(); }
  // The first band's rulers switch to inches (true) or centimetres (false).
  void SetImperialUnits(bool Value);
  void UpdateCaption();

  // --- Tools and object creation ---------------------------------------------------------
  int ToolSelected() const { return FToolSelected; }
  // Chooses a creation tool: every surface enters create mode.
  void SelectTool(int Tool);
  // The Select tool: every surface returns to select mode.
  void SelectSelectTool();
  // Makes the object for the current tool (the surfaces' OnCreateObject); leaves NewObj
  // empty when the picture file choice is cancelled.
  void DoCreateObject(TDesignSurface* Sender, TDesignObject*& NewObj);
  // Makes an object of a class (reading layouts, pasting).
  void DoCreateObjectByName(TDesignSurface* Sender, const QString& ClassName, TDesignObject*& NewObj);
  void DoDeleteObject(TDesignSurface* Sender, TDesignObject*& NewObj);
  // Gives an object the default font, fill and border.
  void DoSetDefaults(TDesignSurface* Sender, TDesignObject* DesignObject);
  void PrepareObject(TDesignObject* Obj);
  // The class a tool makes.
  static QString ToolClassName(int Tool);
  // Called when a creation returns the design to the Select tool (the ribbon shows
  // the Select button down).
  std::function<void()> OnToolsReset;

  // --- Formatting commands: the selection, or the default object when nothing is
  // selected ---------------------------------------------------------------------------
  void DoFontName(const QString& Value);
  void DoFontSize(int Value);
  void DoFontSizeChange(int Delta);
  void DoFontColour(TColor Value);
  void DoFillColour(TColor Value);
  void DoBorderColour(TColor Value);
  void DoBorderStyle(TPenStyle Value);
  void DoBorderWidth(int Value);
  void DoToggleBold();
  void DoToggleItalic();
  void DoAlignLefts();
  void DoAlignCentres();
  void DoAlignRights();
  void DoAlignFull();
  void DoAlignTops();
  void DoAlignMiddles();
  void DoAlignBases();
  void DoNudgeLeft();
  void DoNudgeRight();
  void DoNudgeUp();
  void DoNudgeDown();
  void DoPaste();
  // The toolbar shows what the selection shares, or the default object's format.
  void ShowSelectionProperties();
  void ShowDefaultProperties();
  bool GetSnap() const;
  void SetSnap(bool Value);
  void UpdateSnapButton();
  // The merged property list of the last selection.
  const TNameValueList& SelectionPropList() const { return *FPropList; }
  // The context menu of every design object.
  QMenu* ObjectMenu() const { return FObjectMenu; }
  // A menu action by its object name ("actEditCopy", "actLayoutAlignTops", ...).
  QAction* Action(const char* Name) const;

  QAction* actNew() const { return FActNew; }
  QAction* actOpen() const { return FActOpen; }
  QAction* actSave() const { return FActSave; }
  QAction* actSaveAs() const { return FActSaveAs; }
  QAction* actUndo() const { return FActUndo; }
  QAction* actExit() const { return FActExit; }
  QAction* actMetric() const { return FActMetric; }
  QAction* actImperial() const { return FActImperial; }

  // Reads the measurement system of the user's locale (US: imperial).
  static bool LocaleWantsImperial();

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  void showEvent(QShowEvent* Event) override;

private:
  void FormCreate();
  void CheckMeasurementSystem();
  void ApplyPageImage();
  void CreateMenus();
  void ConnectTools();
  void ConnectRibbon();
  void CreateObjectMenu();
  void UpdateStatus();
  // Runs a command, then brings the status bar up to date.
  QAction* AddAction(QMenu* Menu, const char* Name, const QString& Caption, std::function<void()> Run,
                     const QKeySequence& Shortcut = QKeySequence());
  void UpdateMeasurementChecks();

  std::unique_ptr<TPrompts> FPrompts;
  TDesignContainer* FDesigner = nullptr;
  TDesignRibbon* FRibbon = nullptr;
  std::unique_ptr<TDesignFontSize> FFontSizes;
  std::unique_ptr<TDesignObject> FDefaultObject;
  std::unique_ptr<TNameValueList> FPropList;
  int FToolSelected = 0;
  QString FPictureFilter;
  std::unique_ptr<TDesignHeader> FOwnHeader;
  TDesignHeader* FDesignHeader = nullptr;
  QStringList FArguments;
  bool FShown = false;
  QString FFileName;
  bool FImperial = false;

  QMenu* FObjectMenu = nullptr;
  QAction* FActSnap = nullptr;
  class QLabel* FStatusPosition = nullptr;
  class QLabel* FStatusSelection = nullptr;
  QAction* FActNew = nullptr;
  QAction* FActOpen = nullptr;
  QAction* FActSave = nullptr;
  QAction* FActSaveAs = nullptr;
  QAction* FActUndo = nullptr;
  QAction* FActExit = nullptr;
  QAction* FActMetric = nullptr;
  QAction* FActImperial = nullptr;
};
