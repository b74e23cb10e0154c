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
#include "platform/Input.h"

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
class TXmlElement;
class TXmlWriter;

enum TSelectMode : int { smNone = 0, smAny, smFirst, smFollow };
enum TMoveMode : int { mmNone = 0, mmMove, mmW, mmE, mmN, mmS, mmNW, mmSW, mmNE, mmSE };
enum TBorderShape : int { bshNone = 0, bshRect, bshRoundRect, bshEllipse, bshCircle, bshHLine, bshVLine, bshLine };
enum TAlignments : int { daLeft = 0, daRight, daCenter, daFull };
enum TVerticalAlignment : int { vaTop = 0, vaBottom, vaCenter };


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
  // The surface whose gestures the object takes part in: its Surface, or else the
  // surface that shows it.
  TDesignSurface* HostSurface() const { return FSurface ? FSurface : FParent; }
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
  // All four at once (one repaint).
  void SetStoreBounds(int ALeft, int ATop, int AWidth, int AHeight);
  // Recompute one store value from its pixel bound, rounded to the nearest store unit.
  void UpdateStoreLeft();
  void UpdateStoreTop();
  void UpdateStoreWidth();
  void UpdateStoreHeight();
  void UpdateStoreAll();

  // --- Formatting properties; setters repaint unless noted ------------------------------
  QString Text() const { return FText; }
  void SetText(const QString& v);
  QString FontName() const { return FFontName; }
  // Blanks are trimmed from both ends; an empty name gives "Arial".
  void SetFontName(const QString& v);
  int FontSize() const { return FFontSize; }
  void SetFontSize(int v);
  int FontStyle() const { return FFontStyle; }
  void SetFontStyle(int v);
  bool FontBold() const { return FFontStyle & fsBold; }
  void SetFontBold(bool v);
  bool FontItalic() const { return FFontStyle & fsItalic; }
  void SetFontItalic(bool v);
  TColor FontColour() const { return FFontColour; }
  // No repaint.
  void SetFontColour(TColor v) { FFontColour = v; }
  TAlignments HAlign() const { return FHAlign; }
  void SetHAlign(TAlignments v);
  TVerticalAlignment VAlign() const { return FVAlign; }
  void SetVAlign(TVerticalAlignment v);
  // The editor's alignment: right for daRight, centre for daCenter, left otherwise.
  Qt::Alignment Alignment() const;
  int TextMargin() const { return FTextMargin; }
  void SetTextMargin(int v);
  int TextRotation() const { return FTextRotation; }
  void SetTextRotation(int v);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool v);
  bool ExpandTabs() const { return FExpandTabs; }
  void SetExpandTabs(bool v);
  TBorderShape BorderShape() const { return FBorderShape; }
  void SetBorderShape(TBorderShape v);
  TPenStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TPenStyle v);
  TColor BorderColour() const { return FBorderColour; }
  void SetBorderColour(TColor v);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v);
  TColor FillColour() const { return FFillColour; }
  void SetFillColour(TColor v);
  TBrushStyle FillStyle() const { return FFillStyle; }
  void SetFillStyle(TBrushStyle v);
  bool HasImage() const { return FHasImage; }
  TDesignImage* Image() const { return FImage.get(); }
  // The object takes the picture over.
  void SetImage(std::unique_ptr<TDesignImage> v);
  TImageMode ImageMode() const { return FImageMode; }
  void SetImageMode(TImageMode v);
  QString ImagePath() const { return FImagePath; }
  // Loads the picture file; a file that cannot be loaded leaves no picture. No repaint.
  void SetImagePath(const QString& Value);
  TDesignImageType ImageType() const { return FImageType; }
  void SetImageType(TDesignImageType v) { FImageType = v; }
  // Takes the picture from base64 text with the decoder of ImageType; throws
  // EDesignImageError when it cannot be decoded.
  void LoadEncodedImage(QByteArrayView Value);
  bool WantHTML() const { return FWantHTML; }
  void SetWantHTML(bool v) { FWantHTML = v; }
  bool EmbedHTML() const { return FEmbedHTML; }
  void SetEmbedHTML(bool v) { FEmbedHTML = v; }
  QString Content() const { return FContent; }
  void SetContent(const QString& v) { FContent = v; }
  QString Format() const { return FFormat; }
  void SetFormat(const QString& v) { FFormat = v; }
  int Autosize() const { return FAutoSize; }
  void SetAutosize(int v) { FAutoSize = v; }
  int DataType() const { return FDataType; }
  void SetDataType(int v) { FDataType = v; }
  int Summary() const { return FSummary; }
  void SetSummary(int v) { FSummary = v; }
  bool WantPopup() const { return FWantPopup; }
  bool IsOutline() const { return FIsOutline; }

  // The picture kind for a file name (BMP when unknown).
  static TDesignImageType GetImageTypeFromPath(const QString& Value);
  // Reads the picture again from its path.
  void ReloadImage();
  // Gives the object its picture's natural size.
  void ResizeImage();

  // --- Events --------------------------------------------------------------------------
  TMovedEvent OnMoved;
  TSelectedEvent OnSelected;
  TCoordEvent OnBeginCreateChild;
  TCoordEvent OnInCreateChild;
  TCoordEvent OnEndCreateChild;
  TEditedEvent OnEdited;

  // --- Overridable steps, in the order kinds override them ------------------------------
  // Selection handles, or the lock mark, on the object's own canvas.
  virtual void DrawHandles(TCanvas& Canvas);
  virtual void DrawObjectImageOn(TCanvas& Canvas, bool WithOffset);
  virtual void DrawObjectTextOn(TCanvas& Canvas, bool WithOffset);
  // Fill and border shape.
  virtual void DrawObjectBordersOn(TCanvas& Canvas, bool WithOffset);
  virtual void DrawObjectTextAt(TCanvas& Canvas, int OffSetY);
  // The text: mini-HTML, full justification, a free angle, 90/180/270 through an
  // offscreen bitmap, or plain multi-line text with the alignment flags.
  virtual void DrawObjectText(TCanvas& Canvas, bool WithOffset, int OffSetY, bool AllowHTML);
  // Repaint unless the object is being read from a layout.
  virtual void RefreshObject();
  // Applies one property-list line; names are compared exactly. Unknown names go to
  // SetExtPropertyByName. An IMAGE that cannot be decoded throws EDesignImageError.
  virtual void SetPropertyByName(const QString& Name, const QString& Value);
  // The kind's own property-list names; the plain object takes none.
  virtual void SetExtPropertyByName(const QString& Name, const QString& Value);
  // Borders, picture and text onto another canvas (printing).
  virtual void DrawOn(TCanvas& Canvas, bool WithOffset);
  virtual void DrawBackgroundOn(TCanvas& Canvas, bool WithOffset);
  virtual void DrawTextOn(TCanvas& Canvas, bool WithOffset);
  virtual void DrawTextAt(TCanvas& Canvas, int OffSetY);
  // The height the text needs on Canvas (0 for an empty text).
  virtual void GetTextHeight(TCanvas& Canvas, int& Size);
  // The size of the text rectangle inside margin and border.
  virtual void GetTextArea(int& ZWidth, int& ZHeight);
  // Writes the object's settings as name=value lines; with Merging, removes from List
  // every line whose value differs from the object's (never adding lines).
  virtual void GetPropertyList(TNameValueList& List, bool Merging);
  // Applies every line of List in order.
  virtual void SetPropertyList(const TNameValueList& List);
  // Reads the children of a "DesignObject" element into the object.
  virtual void FromXML(const TXmlElement& Node);
  // Writes the object's children into the open "DesignObject" element.
  virtual void ToXML(TXmlWriter& Writer);
  // The kind's own elements: one child at a time on reading, appended on writing.
  virtual void PropertiesFromXML(const TXmlElement& Child);
  virtual void PropertiesToXML(TXmlWriter& Writer);
  // Replaces the text (no repaint); the index is for kinds with several values.
  virtual void SetData(int Index, const QString& Value);

  // Paints the object on its own canvas (origin at its top-left corner).
  virtual void Paint(TCanvas& Canvas);

  // The object as a whole XML text: the declaration and one "DesignObject" element.
  QString ToXMLString2();
  QByteArray ToXMLBytes2();
  // Reads such a text into this object; false when it is not well-formed XML.
  bool FromXMLString2(const QString& Value);

  // Picture data for layouts: base64 of the picture file, taken when loaded.
  QByteArray EncodedImage() const;
  void DrawSelectionFrame(TCanvas& Canvas);
  void DrawLockMark(TCanvas& Canvas);

  // --- Input ---------------------------------------------------------------------------
  // The handle zone under an object-local point: 0..7 the sizing handles, 8 the interior.
  int HandleAt(int X, int Y) const;
  static TMoveMode MoveModeOfHandle(int Handle);
  static Qt::CursorShape CursorOfHandle(int Handle);
  // Mouse input in object-local pixels, as the surface routes it.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DblClick();
  void BeginMove(int X, int Y);
  void DragMove(int X, int Y);
  void EndMove();
  // Moves or resizes by pixel deltas, updating the store values of what changed.
  void Move(TMoveMode Mode, int MoveX, int MoveY);
  // In-place text editing.
  void StartEdit();
  void StopEdit();
  QPlainTextEdit* Editor() const { return FEditor; }
  // Ordering belongs to the surface; these do nothing on the object.
  void SendBackward() {}
  void SendForward() {}

  // Fires on a double-click before editing starts.
  std::function<void(TDesignObject*)> OnDblClick;

  bool Loading = false;
  TMoveMode MoveMode = mmNone;
  int OldX = 0;
  int OldY = 0;

protected:
  void Redraw() { RefreshObject(); }
  // The text rectangle for drawing: the positioned box (right and bottom inclusive)
  // with an offset, the own box otherwise.
  TRect TextRect(bool WithOffset) const;
  unsigned TextFlags() const;
  // Plain multi-line text in R, placed vertically by the vertical alignment.
  void DrawPlainText(TCanvas& Target, TRect R, unsigned Flags);
  // One line of GetPropertyList: appended, or with Merging, a differing line removed.
  static void AddProperty(TNameValueList& List, bool Merging, const QString& Name, const QString& Value);

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
  QObject* FEditorWatch = nullptr;
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

// Full justification: words spread so that every line fills R's width; a carriage
// return ends a line, a line feed is ignored.
void DrawJustifiedText(const QString& Text, TCanvas& Canvas, const TRect& R);
// Text centred on R's centre, turned counter-clockwise by Angle degrees.
void DrawRotatedText(TCanvas& Canvas, const TRect& R, int Angle, const QString& Text);
