#pragma once
// TDesignSurface: the white drawing area of one band. It holds the band's objects in
// painting order (index 0 is painted first; the same order is the file order), the
// band's margins, the snap setting and the optional page background picture, and it is
// where the application plugs in through events: how objects are made and freed, who
// hears of selection changes, where the pointer position is shown and which undo
// manager records changes.
#include "model/DesignEvents.h"
#include "objects/ImageTypes.h"
#include "platform/Colors.h"
#include "platform/Input.h"

#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class TCanvas;
class TDesignBand;
class TDesignImage;
class TDesignObject;
class TDesignUndoManager;
class TDesignUnits;
class QImage;
class TNameValueList;
class TXmlElement;
class TXmlWriter;

enum TDesignMode : int { dmSelect = 0, dmCreate = 1 };
enum TSelectMode : int;
enum TMoveMode : int;
enum TAlignments : int;
enum TVerticalAlignment : int;
enum TPenStyle : int;

// A rubber band stretched from its press point (width and height may be negative) as
// a rectangle with positive size.
QRect NormalisedBand(const QRect& Band);

class TDesignSurface : public QWidget {
  Q_OBJECT
public:
  explicit TDesignSurface(QWidget* Parent = nullptr);
  ~TDesignSurface() override;

  // --- Objects -------------------------------------------------------------------------
  int ControlCount() const { return int(FCtrls.size()); }
  // Adopts AControl with the rectangle Position (surface pixels), grown by 2 pixels on
  // every side, snapped when snapping is on, placed in front of all others.
  void AddControlAt(TDesignObject* AControl, const QRect& Position);
  // AddControlAt with the rectangle (0, 0, 20, 20).
  void AddControl(TDesignObject* AControl);
  // Frees the object at Index (through OnDeleteObject when ParentDeletes) and removes it;
  // an index outside the list does nothing.
  void DeleteControl(int Index);
  void ClearControls();
  // The object at Index, or null outside the list.
  TDesignObject* GetControl(int Index) const;
  // The first object whose component name equals Name exactly, or null.
  TDesignObject* ControlByName(const QString& Name) const;
  // The list index of that object, -1 when there is none.
  int ControlIndexByName(const QString& Name) const;
  // Moves the named object to painting (and list) position Index.
  void SetControlIndex(const QString& Name, int Index);
  // The first object in list order selected as smAny or smFirst, or null.
  TDesignObject* FirstSelected() const;
  bool HasSelection() const;
  // The selected objects: an smFirst object first, the others in list order.
  void SelectedControls(std::vector<TDesignObject*>& AList) const;
  const std::vector<TDesignObject*>& Controls() const { return FCtrls; }

  // --- Settings ------------------------------------------------------------------------
  TDesignMode DesignMode() const { return FDesignMode; }
  void SetDesignMode(TDesignMode v) { FDesignMode = v; }
  bool ParentDeletes() const { return FParentDeletes; }
  void SetParentDeletes(bool v) { FParentDeletes = v; }
  bool DrawMargin() const { return FDrawMargin; }
  void SetDrawMargin(bool v);
  bool SnapToGrid() const { return FSnapToGrid; }
  void SetSnapToGrid(bool v) { FSnapToGrid = v; }
  TDesignUnits* Units() const { return FUnits; }
  void SetUnits(TDesignUnits* v) { FUnits = v; }
  TColor Color() const { return FColor; }
  void SetColor(TColor v);

  // Margins in pixels, each measured inwards from its edge.
  int LeftMargin() const { return FLeftMargin.Pixels; }
  int TopMargin() const { return FTopMargin.Pixels; }
  int RightMargin() const { return FRightMargin.Pixels; }
  int BottomMargin() const { return FBottomMargin.Pixels; }
  void SetLeftMargin(int v);
  void SetTopMargin(int v);
  void SetRightMargin(int v);
  void SetBottomMargin(int v);

  // Size and margins in store units. Writing converts to pixels, rounding down; reading
  // gives back the value last written as long as the pixel value it produced is
  // unchanged, otherwise the pixel value converted back and rounded down.
  int StoreWidth() const;
  int StoreHeight() const;
  void SetStoreWidth(int v);
  void SetStoreHeight(int v);
  int StoreLeftMargin() const;
  int StoreTopMargin() const;
  int StoreRightMargin() const;
  int StoreBottomMargin() const;
  void SetStoreLeftMargin(int v);
  void SetStoreTopMargin(int v);
  void SetStoreRightMargin(int v);
  void SetStoreBottomMargin(int v);

  double GridSize() const { return FGridSize; }
  int IntGridSize() const { return FIntGridSize; }
  // Only with units: the grid pitch in millimetres and, rounded down, in pixels.
  void SetGridSize(double Value);

  // The background picture, shared with the page layout.
  std::shared_ptr<TDesignImage> Image() const { return FImage; }
  void SetImage(std::shared_ptr<TDesignImage> v);
  TImageMode ImageMode() const { return FImageMode; }
  void SetImageMode(TImageMode v);
  bool HasImage() const { return FHasImage; }
  void SetHasImage(bool Value);

  // The band that holds the surface, or null.
  TDesignBand* GetBand() const;
  // The undo manager the application supplies through OnGetUndoManager, or null.
  virtual TDesignUndoManager* GetUndoManager();
  TDesignUndoManager* UndoManager() { return GetUndoManager(); }

  // Prepares for writing a layout: takes the keyboard focus, which ends an in-place
  // text edit.
  void BeforeSave();
  // Raises OnContentPopup when it is assigned.
  void ContentPopup(TDesignObject* DesignObject);

  // Snaps one object's store position and size to whole millimetres when snapping is
  // on, the surface has units and the object is not locked.
  void SnapControl(TDesignObject* C);
  // SnapControl on every selected object, in list order, when snapping is on.
  void SnapSelected();
  // Ends a drag of Sender: the other selected objects stop moving and the drag's undo
  // group is closed.
  void EndControlMove(TDesignObject* Sender);

  // --- Selection and direct manipulation -----------------------------------------------
  void SelectAll();
  void SelectNone();
  void InvertSelection();
  // The surface's own mouse handling in surface pixels: a press starts the rubber band,
  // moves stretch it, the release selects the enclosed objects or creates one.
  void SurfaceMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  void SurfaceMouseMove(TShiftState Shift, int X, int Y);
  void SurfaceMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  bool RubberBandShowing() const { return FAreaSelectVisible; }
  // The rubber band as stretched: its corner at the press point, width and height
  // negative while the pointer is above or left of it.
  QRect RubberBand() const { return FAreaSelect; }
  // The front-most visible object under a surface point, or null.
  TDesignObject* ObjectAt(const QPoint& P) const;

  // --- Arrange and format commands (on the selected objects) -----------------------------
  // Align to the reference object (FirstSelected): one undo step of moves.
  void AlignLefts();
  void AlignRights();
  void AlignHCentres();
  void AlignTops();
  void AlignBases();
  void AlignVCentres();
  // Common sizes: one undo step; nothing without a selection.
  void SizeThinnest();
  void SizeWidest();
  void SizeShortest();
  void SizeTallest();
  void SizeAvgWidth();
  void SizeAvgHeight();
  void SizeSameWidth();
  void SizeSameHeight();
  // Stacking order.
  void SendBack();
  void SendFront();
  void SendBackward();
  void SendForward();
  // Moves the selection by whole millimetres (recorded, not snapped).
  void NudgeX(int X);
  void NudgeY(int Y);
  void Lock();
  void Unlock();
  void ToggleLocked();
  // Property commands: one undo step each; true when anything was selected.
  bool SetHAlign(TAlignments Value);
  bool SetVAlign(TVerticalAlignment Value);
  bool SetFontName(const QString& Value);
  bool SetFontSize(int Value);
  bool SetFontSizeDelta(int Value);
  bool SetFontColour(TColor Value);
  bool SetFillColour(TColor Value);
  bool SetBorderColour(TColor Value);
  bool SetBorderStyle(TPenStyle Value);
  bool SetBorderWidth(int Value);
  bool SetBoldToggle();
  bool SetItalicToggle();
  bool SetImagePath(const QString& Value);
  bool SetPropertyList(const TNameValueList& Value);
  bool SetPosition(int X, int Y, int W, int H, int A);
  bool ReloadImages();
  bool ResizeImages();

  // --- Clipboard and duplication ----------------------------------------------------------
  // The selected objects' XML onto the clipboard as text.
  void DoCopy();
  void DoCut();
  // Deletes the selected objects that are not locked, as one undo step.
  void DoDelete();
  // Copies the selected objects in place and selects only the copies.
  void DoDuplicate();
  // Objects from the clipboard: layout XML, any other text, or a picture.
  void DoPaste();
  // The paste of a text that is not layout XML: one text object sized to its text.
  void PasteText(const QString& Text);
  // The paste of a picture: one object holding it, sized to it.
  void PastePicture(const QImage& Picture);

  // --- XML ----------------------------------------------------------------------------
  // Writes "DesignObjects" with every object (or only the selected ones).
  void ControlsToXML(TXmlWriter& Writer, bool SelectedOnly);
  // Recreates the objects of a "DesignObjects" element, selected when Selecting. Throws
  // EDesignReadError for an object element without children.
  void ControlsFromXML(const TXmlElement& Node, bool Selecting);
  // Recreates one object from its "DesignObject" element and returns it.
  TDesignObject* ControlFromXML(const TXmlElement& Node, bool Selecting);
  // The declaration and "DesignObjects" as a text (the clipboard form).
  void ControlsToXMLString(QString& Value, bool SelectedOnly);
  // Reads such a text (or the first "DesignObjects" under its top element), selecting
  // what it adds; false when the text is not well-formed XML.
  bool ControlsFromXMLString(const QString& Value);
  // Recreates one object from a text whose top element is "DesignObject", selected.
  bool ControlFromXMLString(const QString& Value);

  // Paints the surface (background, picture, margin frame, objects) onto Canvas, whose
  // painter draws in surface pixels; only objects meeting Clip are painted.
  void PaintSurface(TCanvas& Canvas, const QRect& Clip);

  // Called by objects when their bounds change or they need repainting.
  void ObjectBoundsChanged(TDesignObject* Obj, const QRect& OldBounds);
  void InvalidateObjectRect(const QRect& R);

  // --- Events --------------------------------------------------------------------------
  TCreateObjectEvent OnCreateObject;
  TCreateObjectByNameEvent OnCreateObjectByName;
  TDeleteObjectEvent OnDeleteObject;
  TNotifyEvent OnSelectionChanged;
  TShowPositionEvent OnShowPosition;
  TDesignContentEvent OnContentPopup;
  TGetUndoManagerEvent OnGetUndoManager;
  TSetDefaultsEvent OnSetDefaults;

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;
  void contextMenuEvent(QContextMenuEvent* Event) override;

private:
  // A length kept both as set in store units and as the pixels derived from it.
  struct TStoreLength {
    int Store = 0;
    int Pixels = 0;
    bool FromStore = false;
  };
  int ReadStore(const TStoreLength& L, int Pixels, bool Horizontal) const;
  int PixelsFromStore(int Store, bool Horizontal) const;
  void WriteStore(TStoreLength& L, int Store, bool Horizontal);

  // Handlers of the adopted objects' events.
  void ControlSelected(TDesignObject* Sender, TSelectMode Mode);
  void ControlMoved(TDesignObject* Sender, TMoveMode Mode, int X, int Y);
  void ControlEdited(TDesignObject* Sender, const QString& Old, const QString& New);
  void InvalidateBandOutline(const QRect& Band);
  // The selected objects in list order.
  std::vector<TDesignObject*> Selection() const;
  // Runs Change on every selected object inside one undo group, recording each as Kind
  // first; true when anything was selected.
  bool ForSelected(int Kind, const std::function<void(TDesignObject*)>& Change);
  void RouteMouse(QMouseEvent* Event, int Kind);

  std::vector<TDesignObject*> FCtrls;
  QRect FAreaSelect;
  bool FAreaSelectVisible = false;
  // The target of the pressed mouse: an object, or the surface itself.
  TDesignObject* FMouseTarget = nullptr;
  bool FMouseOnSurface = false;
  TDesignMode FDesignMode = dmSelect;
  bool FParentDeletes = false;
  TDesignUnits* FUnits = nullptr;
  bool FDrawMargin = false;
  TStoreLength FTopMargin, FLeftMargin, FRightMargin, FBottomMargin;
  TStoreLength FWidth, FHeight;
  bool FSnapToGrid = false;
  double FGridSize = 1.0;
  int FIntGridSize = 0;
  bool FHasImage = false;
  std::shared_ptr<TDesignImage> FImage;
  TImageMode FImageMode = imNone;
  TColor FColor = clWhite;
};
