#pragma once
// TDesignObject: the base of everything placed on a design surface. It is a lightweight
// graphic control, not a widget: pixel bounds inside its surface, visibility, a cursor,
// paint and mouse overridables, and the surface routes input to it. It carries every
// formatting setting any kind may use, its position both in pixels and in store units
// (tenths of a millimetre), its selection, lock and editing state, and a bag of extra
// name/value properties that travels through the layout file.
#include "model/PropList.h"
#include "objects/ImageTypes.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"

#include <QRect>
#include <QString>

#include <functional>
#include <memory>

class QMenu;
class QPlainTextEdit;
class TDesignImage;
class TDesignSurface;
class TDesignUnits;
class TNameValueList;

enum TSelectMode : int { smNone = 0, smAny, smFirst, smFollow };
enum TMoveMode : int { mmNone = 0, mmMove, mmW, mmE, mmN, mmS, mmNW, mmSW, mmNE, mmSE };
enum TBorderShape : int { bshNone = 0, bshRect, bshRoundRect, bshEllipse, bshCircle, bshHLine, bshVLine, bshLine };
enum TAlignments : int { daLeft = 0, daRight, daCenter, daFull };
enum TVerticalAlignment : int { vaTop = 0, vaBottom, vaCenter };

// Mouse buttons and the shift state of mouse events.
enum TMouseButton : int { mbLeft = 0, mbRight, mbMiddle };
enum TShiftFlag : int { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = int;

class TDesignObject;
using TMovedEvent = std::function<void(TDesignObject* Sender, TMoveMode Mode, int X, int Y)>;
using TSelectedEvent = std::function<void(TDesignObject* Sender, TSelectMode Mode)>;
using TCoordEvent = std::function<void(TDesignObject* Sender, TShiftState Shift, int X, int Y)>;
using TEditedEvent = std::function<void(TDesignObject* Sender, const QString& Old, const QString& New)>;

class TDesignObject {
public:
  TDesignObject();
  virtual ~TDesignObject();
  TDesignObject(const TDesignObject&) = delete;
  TDesignObject& operator=(const TDesignObject&) = delete;

  // The class name used in layout files and by the class factory.
  virtual QString ClassName() const { return QStringLiteral("TDesignObject"); }

  // --- The lightweight control -------------------------------------------------------
  // Component name: "_elem_" and the process-wide counter, new for every object.
  QString Name() const { return FName; }
  void SetName(const QString& v) { FName = v; }
  // The surface that shows the object and routes its input (not owned).
  TDesignSurface* Parent() const { return FParent; }
  void SetParent(TDesignSurface* v);
  int Left() const { return FBounds.left(); }
  int Top() const { return FBounds.top(); }
  int Width() const { return FBounds.width(); }
  int Height() const { return FBounds.height(); }
  // Pixel bounds inside the surface; the width and height may be zero or negative.
  QRect BoundsRect() const { return FBounds; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  Qt::CursorShape Cursor() const { return FCursor; }
  void SetCursor(Qt::CursorShape v) { FCursor = v; }
  // The control's own background colour (white).
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  QMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(QMenu* v) { FPopupMenu = v; }
  // Asks the surface to repaint the object's area.
  void Invalidate();

  // --- State ---------------------------------------------------------------------------
  void Clear();
  void ClearImage();

  TDesignSurface* Surface() const { return FSurface; }
  void SetSurface(TDesignSurface* v) { FSurface = v; }
  TSelectMode SelectMode() const { return FSelectMode; }
  void SetSelectMode(TSelectMode v);
  bool Locked() const { return FLocked; }
  void SetLocked(bool v);
  bool IsMoving() const { return FIsMoving; }
  void SetIsMoving(bool v) { FIsMoving = v; }
  bool InDesigner() const { return FInDesigner; }
  void SetInDesigner(bool v) { FInDesigner = v; }
  bool CanEdit() const { return FCanEdit; }
  void SetCanEdit(bool v) { FCanEdit = v; }
  bool Editing() const { return FEditing; }
  bool Perceptual() const { return FPerceptual; }
  TDesignUnits* Units() const { return FUnits; }
  void SetUnits(TDesignUnits* v) { FUnits = v; }
  TDesignPropList& PropList() { return FPropList; }
  const TDesignPropList& PropList() const { return FPropList; }

  // --- Store coordinates (tenths of a millimetre) -------------------------------------
  int StoreLeft() const { return FStoreLeft; }
  int StoreTop() const { return FStoreTop; }
  int StoreWidth() const { return FStoreWidth; }
  int StoreHeight() const { return FStoreHeight; }
  // Each setter keeps the value and moves the matching pixel bound to it, rounded to
  // the nearest pixel (ties to even); without units the value is taken as pixels.
  void SetStoreLeft(int v);
  void SetStoreTop(int v);
  void SetStoreWidth(int v);
  void SetStoreHeight(int v);
  // Recompute one store value from its pixel bound, rounded to the nearest store unit.
  void UpdateStoreLeft();
  void UpdateStoreTop();
  void UpdateStoreWidth();
  void UpdateStoreHeight();
  void UpdateStoreAll();

  // --- Events --------------------------------------------------------------------------
  TMovedEvent OnMoved;
  TSelectedEvent OnSelected;
  TCoordEvent OnBeginCreateChild;
  TCoordEvent OnInCreateChild;
  TCoordEvent OnEndCreateChild;
  TEditedEvent OnEdited;

  // Paints the object on its own canvas (origin at its top-left corner).
  virtual void Paint(TCanvas& Canvas);

  bool Loading = false;
  TMoveMode MoveMode = mmNone;
  int OldX = 0;
  int OldY = 0;

protected:
  // Repaint unless the object is being read from a layout.
  void Redraw();

  // The lightweight control.
  QString FName;
  TDesignSurface* FParent = nullptr;
  QRect FBounds;
  bool FVisible = true;
  Qt::CursorShape FCursor = Qt::ArrowCursor;
  TColor FColor = clWhite;
  QMenu* FPopupMenu = nullptr;

  // Fields, in the order the object keeps them.
  TDesignSurface* FSurface = nullptr;
  TSelectMode FSelectMode = smNone;
  bool FLocked = false;
  bool FIsMoving = false;
  bool FInDesigner = false;
  bool FPerceptual = true;
  TDesignPropList FPropList;
  QString FText;
  QString FFontName = QStringLiteral("Arial");
  int FFontSize = 9;
  int FFontStyle = 0;
  TColor FFontColour = clBlack;
  QString FImagePath;
  TDesignImageType FImageType = ditBMP;
  TAlignments FHAlign = daLeft;
  TVerticalAlignment FVAlign = vaTop;
  TBorderShape FBorderShape = bshNone;
  TPenStyle FBorderStyle = psSolid;
  TColor FBorderColour = clBlack;
  int FBorderWidth = 1;
  TBrushStyle FFillStyle = bsSolid;
  TColor FFillColour = clWhite;
  int FTextMargin = 0;
  int FTextRotation = 0;
  bool FWordWrap = false;
  bool FEllipsis = false;
  bool FExpandTabs = true;
  QPlainTextEdit* FEditor = nullptr;
  bool FCanEdit = false;
  bool FEditing = false;
  bool FHasImage = false;
  std::unique_ptr<TDesignImage> FImage;
  TImageMode FImageMode = imNone;
  TDesignUnits* FUnits = nullptr;
  int FStoreLeft = 0, FStoreTop = 0, FStoreWidth = 0, FStoreHeight = 0;
  bool FWantHTML = false;
  bool FEmbedHTML = false;
  QString FContent;
  QString FFormat;
  int FAutoSize = 0;
  int FDataType = 0;
  int FSummary = 0;
  bool FWantPopup = false;
  bool FIsOutline = false;
};

// The next component name: "_elem_" followed by the process-wide counter (1 first).
QString NextElementName();
