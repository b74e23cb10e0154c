#pragma once
// TDesignImage: the holder of one picture (a page background, a picture object, a
// dynamic image). It knows the picture's kind, loads it from a file and keeps the
// file's own bytes, so the picture can be stored in a layout exactly as it was loaded.
#include "objects/ImageTypes.h"

#include <QByteArray>
#include <QImage>
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

  // Loads a picture file (BMP, JPEG, PNG, GIF) and keeps its bytes. Throws
  // EDesignImageError when the file cannot be read or holds no readable picture.
  void LoadFromFile(const QString& FileName);
  // Replaces the picture with one decoded from the picture file bytes Data, read with
  // the decoder that ImageType selects. Throws EDesignImageError.
  void LoadFromData(const QByteArray& Data);
  // Takes the picture from base64 text (the picture file's bytes). Throws
  // EDesignImageError: "Could not decode image ..." or "Could not load image ...".
  void DecodeImage(const QByteArray& Base64);

  bool IsEmpty() const { return FImage.isNull(); }
  // Natural size in pixels, 0 when there is no picture.
  int PictureWidth() const { return FImage.isNull() ? 0 : FImage.width(); }
  int PictureHeight() const { return FImage.isNull() ? 0 : FImage.height(); }
  const QImage& Picture() const { return FImage; }
  // The bytes of the picture file as loaded (empty when there is none).
  const QByteArray& FileData() const { return FData; }

  // The picture at its natural size with its top-left corner at (x, y).
  void Draw(TCanvas& Canvas, int x, int y) const;
  // The picture stretched into R.
  void StretchDraw(TCanvas& Canvas, const TRect& R) const;

private:
  TDesignImageType FImageType = ditBMP;
  QImage FImage;
  QByteArray FData;
};
