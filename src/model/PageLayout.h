#pragma once
// The page a design is laid out on, the paper names offered to the user, the font size
// ladder, and the converter between pixels and physical lengths.
#include "objects/ImageTypes.h"

#include <QByteArrayView>
#include <QString>

#include <memory>

class QPaintDevice;
class TDesignImage;
class TXmlElement;
class TXmlWriter;

// Pixels <-> millimetres and inches, separately for X and Y, 25.4 mm to the inch.
// The converter does no rounding: callers round in their own way.
class TDesignUnits {
public:
  // The resolution of Device, or of the primary screen when Device is null (96 when
  // there is no screen).
  explicit TDesignUnits(const QPaintDevice* Device = nullptr);
  void SetResolution(int Value);
  void SetResolution(double X, double Y);
  double PPIX() const { return FPPIX; }
  double PPIY() const { return FPPIY; }

  double PixelsToMMX(double Value) const { return Value * 25.4 / FPPIX; }
  double PixelsToMMY(double Value) const { return Value * 25.4 / FPPIY; }
  double PixelsToInchesX(double Value) const { return Value / FPPIX; }
  double PixelsToInchesY(double Value) const { return Value / FPPIY; }
  double PixelsFromMMX(double Value) const { return Value * FPPIX / 25.4; }
  double PixelsFromMMY(double Value) const { return Value * FPPIY / 25.4; }
  double PixelsFromInchesX(double Value) const { return Value * FPPIX; }
  double PixelsFromInchesY(double Value) const { return Value * FPPIY; }
  // Store units (tenths of a millimetre) and pixels, computed in one step so that
  // values such as 24 pixels = 63.5 store units come out exact before rounding.
  double StoreToPixelsX(double Store) const { return Store * FPPIX / 254.0; }
  double StoreToPixelsY(double Store) const { return Store * FPPIY / 254.0; }
  double PixelsToStoreX(double Pixels) const { return Pixels * 254.0 / FPPIX; }
  double PixelsToStoreY(double Pixels) const { return Pixels * 254.0 / FPPIY; }

private:
  double FPPIX = 96;
  double FPPIY = 96;
};

enum TPrinterOrientation : int { poPortrait = 0, poLandscape = 1 };

// The page layout: paper by name, orientation, margins in whole millimetres, the
// imperial preference and an optional background picture.
class TDesignPage {
public:
  TDesignPage();
  ~TDesignPage();
  TDesignPage(const TDesignPage&) = delete;
  TDesignPage& operator=(const TDesignPage&) = delete;

  // "A4", portrait, 15 mm margins, metric, no background picture.
  void SetDefault();

  QString PaperSize() const { return FPaperSize; }
  void SetPaperSize(const QString& v) { FPaperSize = v; }
  TPrinterOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TPrinterOrientation v) { FOrientation = v; }
  int LeftMarginMM() const { return FLeftMargin; }
  void SetLeftMarginMM(int v) { FLeftMargin = v; }
  int TopMarginMM() const { return FTopMargin; }
  void SetTopMarginMM(int v) { FTopMargin = v; }
  int RightMarginMM() const { return FRightMargin; }
  void SetRightMarginMM(int v) { FRightMargin = v; }
  int BaseMarginMM() const { return FBaseMargin; }
  void SetBaseMarginMM(int v) { FBaseMargin = v; }
  bool WantImperial() const { return FWantImperial; }
  void SetWantImperial(bool v) { FWantImperial = v; }
  TImageMode ImageMode() const { return FImageMode; }
  void SetImageMode(TImageMode v) { FImageMode = v; }

  // Paper width and height in millimetres for the orientation. Names that resolve to
  // no size (B5, B4, misspelt names) report A4's size.
  int PaperWidthMM() const;
  int PaperHeightMM() const;

  QString ImagePath() const { return FImagePath; }
  // Loads the background picture from a file; an empty path turns the background off
  // (the holder and the path stay). A file that cannot be loaded leaves no picture.
  void SetImagePath(const QString& Value);
  // Decodes a stored background picture (base64 of the picture file) with the decoder
  // of ImageType; an empty text turns the background off. Throws EDesignImageError.
  void SetEncodedImage(QByteArrayView Text);
  // The picture holder, shared with the surfaces that show it (may be null).
  std::shared_ptr<TDesignImage> Image() const { return FImage; }
  bool HasImage() const { return FHasImage; }
  TDesignImageType ImageType() const { return FImageType; }
  void SetImageType(TDesignImageType v) { FImageType = v; }

  // The children of "DesignLayout".
  void ToXML(TXmlWriter& Writer);
  void FromXML(const TXmlElement& Node);

private:
  QString FPaperSize;
  TPrinterOrientation FOrientation = poPortrait;
  int FLeftMargin = 15, FTopMargin = 15, FRightMargin = 15, FBaseMargin = 15;
  bool FWantImperial = false;
  QString FImagePath;
  bool FHasImage = false;
  std::shared_ptr<TDesignImage> FImage;
  TImageMode FImageMode = imNone;
  TDesignImageType FImageType = ditBMP;
};

// The paper names offered in the page layout dialog, in order.
class TDesignPageSize {
public:
  int Count() const;
  // The name at Index, or an empty string outside 0 .. Count() - 1.
  QString GetSize(int Index) const;
};

// The ladder of font sizes used for stepping: 6 .. 72 points.
class TDesignFontSize {
public:
  int Count() const;
  int Size(int Index) const;
  // The first ladder size greater than ASize (72 from 48 up).
  int Next(int ASize) const;
  // The last ladder size smaller than ASize (6 at 6 and below).
  int Prev(int ASize) const;
};
