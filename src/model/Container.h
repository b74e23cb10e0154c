#pragma once
// TDesignContainer: the scrolling area that fills the main window. It owns the page
// layout, the screen unit converter, the undo history and the ordered list of bands,
// and it is the single entry point for editing commands: each goes to the surface of
// the current band or, in its "All" form, to the surfaces of every band.
#include "model/DesignEvents.h"
#include "model/Surface.h"
#include "objects/DesignObject.h"

#include <QScrollArea>
#include <QStringList>

#include <memory>
#include <vector>

class TDesignBand;
class TDesignHeader;
class TNameValueList;
class TXmlElement;
class TXmlWriter;

// What reading a layout document came to.
struct TLayoutReadResult {
  enum TStatus { Ok, NotXml, WrongRoot, Failed };
  TStatus Status = Ok;
  // NotXml: the parser's reason, at Line; Failed: the structural error.
  QString Message;
  int Line = 0;
  // The name of the document's root element.
  QString Root;
  // True once the design's bands were replaced by the document's.
  bool ReplacedDesign = false;
  // What could not be read without ending the reading (pictures that cannot be decoded).
  QStringList Warnings;
};
class TDesignObject;
class TDesignPage;
class TDesignUndoManager;
class TDesignUnits;

class TDesignContainer : public QScrollArea {
  Q_OBJECT
public:
  explicit TDesignContainer(QWidget* Parent = nullptr);
  ~TDesignContainer() override;

  // --- Bands ---------------------------------------------------------------------------
  int Bands() const { return int(FBands.size()); }
  // Makes a band with the container's units and current handlers and adds it at the end.
  TDesignBand* AppendBand();
  // The same, inserted at Position.
  TDesignBand* InsertBand(int Position);
  // Frees the band at Position when it exists.
  void DeleteBand(int Position);
  void ClearBands();
  // The band at Index, or null outside the list.
  TDesignBand* Band(int Index) const;
  // Null without bands; band 0 with one; otherwise the band at SelectedBand.
  TDesignBand* CurrentBand() const;
  // The current band's surface, or null.
  TDesignSurface* Surface() const;
  int SelectedBand() const { return FSelectedBand; }
  void SetSelectedBand(int v) { FSelectedBand = v; }
  // Shows the focus on band Index only and makes it current when it exists.
  void FocusBand(int Index);
  void Redraw();
  // Places the bands one under the other (stretched to the container's width) and
  // sizes the scrolled area to hold them.
  void LayoutBands();

  TDesignPage* PageLayout() const { return FPageLayout.get(); }
  TDesignUnits* Units() const { return FUnits.get(); }
  TDesignUndoManager* UndoManager() const { return FUndoManager.get(); }
  // True when the design has changes that were not saved (the undo history holds any).
  bool Changed() const;
  // Undoes the newest group of changes.
  void Undo();

  bool ParentDeletes() const { return FParentDeletes; }
  void SetParentDeletes(bool v) { FParentDeletes = v; }
  // Sets the design mode of every band's surface.
  void SetDesignMode(TDesignMode Mode);

  // --- Layout documents ------------------------------------------------------------------
  // The whole document text for the design, with the given header.
  void ToXMLString(TDesignHeader* Header, QString& Value);
  QByteArray ToXMLBytes(TDesignHeader* Header);
  // Reads a whole document. False only when the text is not well-formed XML (nothing
  // changes then); a document with another root changes nothing either. Result, when
  // given, tells which happened.
  bool FromXMLString(TDesignHeader* Header, const QString& Value, TLayoutReadResult* Result = nullptr);
  // The same for a text in UTF-8 (a layout file's bytes after its byte-order mark).
  bool FromXMLBytes(TDesignHeader* Header, QByteArray Utf8, TLayoutReadResult* Result = nullptr);
  // The "DesignContainer" element: the page layout, then the bands with their objects.
  void ToXML(TXmlWriter& Writer);
  void FromXML(const TXmlElement& Node);

  // --- Forwarded to the current band's surface ------------------------------------------
  int ControlCount() const;
  int ControlCountAll() const;
  TDesignObject* Control(int Index) const;
  bool HasSelection() const;
  bool HasSelectionAll() const;
  void SelectedControls(std::vector<TDesignObject*>& AList) const;

  // --- Commands, on the current band's surface or ("All") on every band's ---------------
  void AlignBases();
  void AlignBasesAll();
  void AlignLefts();
  void AlignLeftsAll();
  void AlignRights();
  void AlignRightsAll();
  void AlignHCentres();
  void AlignHCentresAll();
  void AlignTops();
  void AlignTopsAll();
  void AlignVCentres();
  void AlignVCentresAll();
  void SizeThinnest();
  void SizeThinnestAll();
  void SizeWidest();
  void SizeWidestAll();
  void SizeShortest();
  void SizeShortestAll();
  void SizeTallest();
  void SizeTallestAll();
  void SizeSameHeight();
  void SizeSameHeightAll();
  void SizeSameWidth();
  void SizeSameWidthAll();
  void SizeAvgHeight();
  void SizeAvgHeightAll();
  void SizeAvgWidth();
  void SizeAvgWidthAll();
  void ToggleLocked();
  void ToggleLockedAll();
  void Lock();
  void LockAll();
  void Unlock();
  void UnlockAll();
  void DoCopy();
  void DoCut();
  void DoDelete();
  void DoDuplicate();
  void DoPaste();
  void SelectAll();
  void SelectNone();
  void InvertSelection();
  void SendBack();
  void SendBackward();
  void SendFront();
  void SendForward();
  void NudgeX(int X);
  void NudgeY(int Y);
  // The Boolean commands return true when an object was selected (on any band, for the
  // "All" forms, which visit every band all the same).
  bool ReloadImages();
  bool ReloadImagesAll();
  bool ResizeImages();
  bool ResizeImagesAll();
  bool SetHAlign(TAlignments Value);
  bool SetHAlignAll(TAlignments Value);
  bool SetVAlign(TVerticalAlignment Value);
  bool SetVAlignAll(TVerticalAlignment Value);
  bool SetFontName(const QString& Value);
  bool SetFontNameAll(const QString& Value);
  bool SetFontSize(int Value);
  bool SetFontSizeAll(int Value);
  bool SetFontSizeDelta(int Value);
  bool SetFontSizeDeltaAll(int Value);
  bool SetFontColour(TColor Value);
  bool SetFontColourAll(TColor Value);
  bool SetFillColour(TColor Value);
  bool SetFillColourAll(TColor Value);
  bool SetBorderColour(TColor Value);
  bool SetBorderColourAll(TColor Value);
  bool SetBorderStyle(TPenStyle Value);
  bool SetBorderStyleAll(TPenStyle Value);
  bool SetBorderWidth(int Value);
  bool SetBorderWidthAll(int Value);
  bool SetBoldToggle();
  bool SetBoldToggleAll();
  bool SetItalicToggle();
  bool SetItalicToggleAll();
  bool SetImagePath(const QString& Value);
  bool SetImagePathAll(const QString& Value);
  bool SetPropertyList(const TNameValueList& Value);
  bool SetPropertyListAll(const TNameValueList& Value);
  bool SetPosition(int X, int Y, int W, int H, int A);
  bool SetPositionAll(int X, int Y, int W, int H, int A);

  // Handlers copied into each band's surface when the band is made.
  TCreateObjectEvent OnCreateObject;
  TCreateObjectByNameEvent OnCreateObjectByName;
  TDeleteObjectEvent OnDeleteObject;
  TNotifyEvent OnSelectionChanged;
  TSetDefaultsEvent OnSetDefaults;
  // Told where the pointer is on any band's surface (surface pixels).
  TShowPositionEvent OnShowPosition;

protected:
  void resizeEvent(QResizeEvent* Event) override;

private:
  TDesignBand* CreateBand();
  void GetUndoManager(TDesignSurface* Sender, TDesignUndoManager*& Manager);

  QWidget* FArea;
  std::vector<TDesignBand*> FBands;
  std::unique_ptr<TDesignUnits> FUnits;
  std::unique_ptr<TDesignPage> FPageLayout;
  std::unique_ptr<TDesignUndoManager> FUndoManager;
  bool FParentDeletes = false;
  int FSelectedBand = 0;
  bool FLayingOut = false;
};
