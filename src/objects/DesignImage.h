#pragma once
// TDesignImage: the holder of one picture (a page background, a picture object, a
// dynamic image). It knows the picture's kind, loads it from a file, and keeps the
// file's own bytes and their base64 text, so a picture is stored in a layout exactly as
// it was loaded. Pixels are decoded when the picture is first drawn, so opening a layout
// with large pictures costs little more than reading its text.
#include "objects/ImageTypes.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <stdexcept>

class TCanvas;
struct TRect;

// Raised when a picture cannot be loaded or decoded; the message names the reason.
class EDesignImageError : public std::runtime_error {
public:
  explicit EDesignImageError(const QString& Message)
    : std::runtime_error(Message.toStdString()), FMessage(Message) {}
  QString Message() const { return FMessage; }

private:
  QString FMessage;
};

class TDesignImage {
public:
  TDesignImage() = default;

  TDesignImageType ImageType() const { return FImageType; }
  void SetImageType(TDesignImageType v) { FImageType = v; }

  // The picture kind for a file name, from its last extension (BMP when unknown).
  static TDesignImageType GetImageTypeFromName(const QString& Value);

  // Loads a picture file (BMP, JPEG, PNG, GIF, or a metafile, kept as data) and keeps its
  // bytes. Throws EDesignImageError ("Could not load image ...").
  void LoadFromFile(const QString& FileName);
  // Takes a picture that has no file (the clipboard): it is stored as a bitmap file when
  // the type is BMP, as PNG otherwise.
  void SetPicture(const QImage& Picture);
  // Replaces the picture with one encoded in base64 text (the picture file's bytes),
  // read with the kind that ImageType selects. Throws EDesignImageError: "Could not
  // decode image ..." for text that is not base64, "Could not load image ..." for data the
  // kind cannot read. The picture is unchanged after an error.
  void DecodeImage(QByteArrayView Base64);
  // The base64 text of the picture: the text it was loaded or decoded from, else the
  // picture encoded anew.
  QByteArray GetEncodedImage() const;
  // The picture's file bytes encoded in base64.
  QByteArray EncodeImage() const;

  bool IsEmpty() const { return FData.isEmpty() && FPicture.isNull(); }
  // True for metafile data, which is kept and stored but not drawn.
  bool IsMetafile() const { return FMetafile; }
  // Natural size in pixels, 0 when it cannot be determined.
  int PictureWidth() const { return FSize.width(); }
  int PictureHeight() const { return FSize.height(); }
  // The decoded pixels (decoded on first use; null for metafiles or unreadable data).
  const QImage& Picture() const;
  // The bytes of the picture file; a picture that came without a file is written in its
  // type's format the first time they are asked for (empty when there is no picture).
  const QByteArray& FileData() const;

  // The picture at its natural size with its top-left corner at (x, y).
  void Draw(TCanvas& Canvas, int x, int y) const;
  // The picture stretched into R.
  void StretchDraw(TCanvas& Canvas, const TRect& R) const;

private:
  // Checks Data as the given format (reading only its header) and takes it.
  void TakeData(QByteArray Data, const char* Format, const QString& ErrorPrefix);

  TDesignImageType FImageType = ditBMP;
  mutable QByteArray FData;
  const char* FFormat = nullptr;
  bool FMetafile = false;
  QSize FSize;
  mutable QByteArray FStoredImage;
  mutable QImage FPicture;
  mutable bool FDecoded = false;
  mutable QImage FScaled; // the picture scaled to where it was last stretched
};
