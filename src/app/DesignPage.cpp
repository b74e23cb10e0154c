#include "app/DesignPage.h"

#include "app/DesignRibbon.h"
#include "app/LayoutDialog.h"
#include "editing/Undo.h"
#include "format/DesignHeader.h"
#include "model/Band.h"
#include "model/Container.h"
#include "model/PageLayout.h"
#include "model/Surface.h"
#include "objects/DesignObject.h"
#include "platform/NameValueList.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

TfDesignPage::TfDesignPage(std::unique_ptr<TPrompts> Prompts, QWidget* Parent)
  : QMainWindow(Parent)
  , FPrompts(Prompts ? std::move(Prompts) : std::make_unique<TQtPrompts>(this))
{
  FOwnHeader = std::make_unique<TDesignHeader>();
  FDesignHeader = FOwnHeader.get();
  FArguments = QCoreApplication::arguments().mid(1);
  FormCreate();
}

TfDesignPage::~TfDesignPage()
{
  // The container frees the bands and their objects while the handlers still exist.
  delete FDesigner;
  FDesigner = nullptr;
}

void TfDesignPage::FormCreate()
{
  FFileName.clear();
  // The ribbon above the design area, which takes the rest of the window.
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  FRibbon = new TDesignRibbon(central);
  FDesigner = new TDesignContainer(central);
  layout->addWidget(FRibbon);
  layout->addWidget(FDesigner, 1);
  setCentralWidget(central);
  FDesigner->OnCreateObject = [this](TDesignSurface* s, TDesignObject*& o) { DoCreateObject(s, o); };
  FDesigner->OnCreateObjectByName = [this](TDesignSurface* s, const QString& c, TDesignObject*& o) {
    DoCreateObjectByName(s, c, o);
  };
  FDesigner->OnDeleteObject = [this](TDesignSurface* s, TDesignObject*& o) { DoDeleteObject(s, o); };
  FDesigner->OnSetDefaults = [this](TDesignSurface* s, TDesignObject* o) { DoSetDefaults(s, o); };
  FDesigner->OnSelectionChanged = [this](TDesignSurface*) { ShowSelectionProperties(); };
  FDesigner->SetParentDeletes(true);
  FFontSizes = std::make_unique<TDesignFontSize>();
  FDefaultObject = std::make_unique<TDesignObject>();
  FPropList = std::make_unique<TNameValueList>();
  CreateMenus();
  ConnectTools();
  ConnectRibbon();
  qApp->installEventFilter(this);
  FImperial = false;
  CheckMeasurementSystem();
  DoNew(true, false);
  ShowDefaultProperties();
  UpdateStatus();

  // A window that shows the page comfortably, within the screen.
  QSize size(1200, 900);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize() * 0.9);
  resize(size);
}

bool TfDesignPage::LocaleWantsImperial()
{
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
}

void TfDesignPage::CheckMeasurementSystem()
{
  if (LocaleWantsImperial())
    FImperial = true;
}

void TfDesignPage::DoNew(bool Force, bool AskForPage)
{
  if (!DoCloseDesign(Force))
    return;
  TDesignPage* page = FDesigner->PageLayout();
  if (AskForPage) {
    DoPageDialog();
  } else if (FImperial) {
    page->SetPaperSize(QStringLiteral("LETTER"));
    page->SetWantImperial(true);
  }
  TDesignBand* band = FDesigner->AppendBand();
  band->SetStoreHeight(page->PaperHeightMM() * 10);
  band->SetStoreWidth(page->PaperWidthMM() * 10);
  band->SetImperial(FImperial);
  band->SetShowTopRuler(true);
  band->SetShowLeftRuler(true);

  TDesignSurface* surface = FDesigner->Surface();
  surface->SetColor(clWhite);
  surface->SetStoreLeftMargin(page->LeftMarginMM() * 10);
  surface->SetStoreRightMargin(page->RightMarginMM() * 10);
  surface->SetStoreTopMargin(page->TopMarginMM() * 10);
  surface->SetStoreBottomMargin(page->BaseMarginMM() * 10);
  surface->SetDrawMargin(true);
  surface->SetSnapToGrid(true);
  surface->SetGridSize(1.0);
  UpdateSnapButton();
  ApplyPageImage();
  UpdateMeasurementChecks();
}

bool TfDesignPage::DoCloseDesign(bool Force)
{
  if (!Force && FDesigner->Changed()) {
    switch (FPrompts->Confirm(QStringLiteral("Do you wish to save your changes?"), true)) {
    case TPromptAnswer::Yes:
      if (!DoSave())
        return false;
      break;
    case TPromptAnswer::Cancel: return false;
    case TPromptAnswer::No: break;
    }
  }
  FDesigner->ClearBands();
  FFileName.clear();
  FDesigner->UndoManager()->ClearAll();
  UpdateCaption();
  return true;
}

bool TfDesignPage::DoPageDialog()
{
  TfDesignLayout dialog(FPrompts.get(), this);
  return dialog.ShowDialog(FDesigner->PageLayout());
}

void TfDesignPage::ApplyPageImage()
{
  TDesignSurface* surface = FDesigner->Surface();
  if (!surface)
    return;
  const TDesignPage* page = FDesigner->PageLayout();
  surface->SetImage(page->Image());
  surface->SetImageMode(page->ImageMode());
  surface->SetHasImage(page->HasImage());
}

void TfDesignPage::SetImperialUnits(bool Value)
{
  FImperial = Value;
  if (TDesignBand* band = FDesigner->Band(0))
    band->SetImperial(Value);
  UpdateMeasurementChecks();
}

void TfDesignPage::UpdateMeasurementChecks()
{
  if (FActMetric) {
    FActMetric->setChecked(!FImperial);
    FActImperial->setChecked(FImperial);
  }
}

void TfDesignPage::UpdateCaption()
{
  if (!FFileName.isEmpty())
    setWindowTitle(QStringLiteral("Page Designer - ") + QFileInfo(FFileName).fileName());
  else
    setWindowTitle(QStringLiteral("Page Designer - New Document"));
}

void TfDesignPage::showEvent(QShowEvent* Event)
{
  QMainWindow::showEvent(Event);
  if (!FShown) {
    FShown = true;
    OpenFromCommandLine();
  }
}

void TfDesignPage::closeEvent(QCloseEvent* Event)
{
  if (DoCloseDesign(false))
    Event->accept();
  else
    Event->ignore();
}
