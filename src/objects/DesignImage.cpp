#include "objects/DesignImage.h"

#include "model/TextHelpers.h"
#include "platform/Canvas.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

// Reads a picture from file bytes; Format is a hint ("png", "jpeg", "bmp", "gif") and
// Qt falls back to the content when the hint does not match.
QImage ReadPicture(const QByteArray& Data, const char* Format, QString& Error)
{
  QBuffer buffer;
  buffer.setData(Data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, Format);
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull())
    Error = reader.errorString();
  return image;
}

const char* FormatHint(TDesignImageType t)
{
  switch (t) {
  case ditBMP: return "bmp";
  case ditJPG: return "jpeg";
  case ditGIF: return "gif";
  case ditPNG: return "png";
  default: return nullptr;
  }
}

} // namespace

TDesignImageType TDesignImage::GetImageTypeFromName(const QString& Value)
{
  const QString ext = ExtractExtension(Value).toUpper();
  if (ext == u"BMP")
    return ditBMP;
  if (ext == u"WMF")
    return ditWMF;
  if (ext == u"EMF")
    return ditEMF;
  if (ext == u"JPG" || ext == u"JPEG")
    return ditJPG;
  if (ext == u"GIF")
    return ditGIF;
  if (ext == u"PNG")
    return ditPNG;
  return ditBMP;
}

void TDesignImage::LoadFromFile(const QString& FileName)
{
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EDesignImageError(QStringLiteral("Could not load image ") + file.errorString());
  const QByteArray data = file.readAll();
  QString error;
  QImage image = ReadPicture(data, FormatHint(GetImageTypeFromName(FileName)), error);
  if (image.isNull())
    throw EDesignImageError(QStringLiteral("Could not load image ") + error);
  FImage = std::move(image);
  FData = data;
}

void TDesignImage::LoadFromData(const QByteArray& Data)
{
  QString error;
  QImage image = ReadPicture(Data, FormatHint(FImageType), error);
  if (image.isNull())
    throw EDesignImageError(QStringLiteral("Could not load image ") + error);
  FImage = std::move(image);
  FData = Data;
}

void TDesignImage::DecodeImage(const QByteArray& Base64)
{
  auto decoded = QByteArray::fromBase64Encoding(Base64, QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded)
    throw EDesignImageError(QStringLiteral("Could not decode image the text is not valid base64"));
  LoadFromData(*decoded);
}

void TDesignImage::Draw(TCanvas& Canvas, int x, int y) const
{
  Canvas.Draw(x, y, FImage);
}

void TDesignImage::StretchDraw(TCanvas& Canvas, const TRect& R) const
{
  Canvas.StretchDraw(R, FImage);
}
