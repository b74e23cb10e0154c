#include "objects/DesignImage.h"

#include "model/TextHelpers.h"
#include "platform/Base64.h"
#include "platform/Canvas.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include <cstring>

namespace {

bool StartsWith(const QByteArray& Data, const char* Magic, qsizetype Length, qsizetype At = 0)
{
  return Data.size() >= At + Length && std::memcmp(Data.constData() + At, Magic, size_t(Length)) == 0;
}

// Enhanced metafiles carry " EMF" at offset 40; placeable metafiles start D7 CD C6 9A;
// plain Windows metafiles start with a type word of 1 or 2 and a header size of 9.
bool LooksLikeMetafile(const QByteArray& Data)
{
  return StartsWith(Data, " EMF", 4, 40) || StartsWith(Data, "\xD7\xCD\xC6\x9A", 4) ||
         StartsWith(Data, "\x01\x00\x09\x00", 4) || StartsWith(Data, "\x02\x00\x09\x00", 4);
}

const char* FormatForType(TDesignImageType t)
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

void TDesignImage::TakeData(QByteArray Data, const char* Format, const QString& ErrorPrefix)
{
  if (!Format) {
    if (!LooksLikeMetafile(Data))
      throw EDesignImageError(ErrorPrefix + QStringLiteral("the data is not a metafile"));
    FData = std::move(Data);
    FFormat = nullptr;
    FMetafile = true;
    FSize = QSize();
    FPicture = QImage();
    FDecoded = true;
    return;
  }
  QBuffer buffer;
  buffer.setData(Data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, Format);
  reader.setDecideFormatFromContent(false);
  const QSize size = reader.size();
  if (!reader.canRead() || !size.isValid())
    throw EDesignImageError(ErrorPrefix + QStringLiteral("the data is not a %1 picture")
                                            .arg(QString::fromLatin1(Format).toUpper()));
  buffer.close();
  FData = std::move(Data);
  FFormat = Format;
  FMetafile = false;
  FSize = size;
  FPicture = QImage();
  FScaled = QImage();
  FDecoded = false;
}

void TDesignImage::LoadFromFile(const QString& FileName)
{
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EDesignImageError(QStringLiteral("Could not load image ") + file.errorString());
  const QByteArray data = file.readAll();
  // The extension chooses the kind; a file whose content is another raster format is
  // still read, by its content.
  const TDesignImageType type = GetImageTypeFromName(FileName);
  const char* format = FormatForType(type);
  if (type == ditWMF || type == ditEMF) {
    TakeData(data, nullptr, QStringLiteral("Could not load image "));
    FImageType = type;
  } else {
    QBuffer probe;
    probe.setData(data);
    probe.open(QIODevice::ReadOnly);
    const QByteArray actual = QImageReader::imageFormat(&probe);
    const char* use = format;
    static const struct {
      const char* format;
      TDesignImageType type;
    } known[] = {{"bmp", ditBMP}, {"jpeg", ditJPG}, {"png", ditPNG}, {"gif", ditGIF}};
    TDesignImageType actualType = type;
    for (const auto& k : known)
      if (actual == k.format) {
        use = k.format;
        actualType = k.type;
      }
    // The kind of the content, so that the stored picture is read back with the right
    // decoder even when the file's extension names another kind.
    FImageType = actualType;
    TakeData(data, use, QStringLiteral("Could not load image "));
  }
  FStoredImage = EncodeImage();
}

void TDesignImage::SetPicture(const QImage& Picture)
{
  // The file form is made only when the picture is first stored.
  FData.clear();
  FFormat = FImageType == ditBMP ? "bmp" : "png";
  FMetafile = false;
  FSize = Picture.size();
  FPicture = Picture;
  FDecoded = true;
  FStoredImage.clear();
  FScaled = QImage();
}

const QByteArray& TDesignImage::FileData() const
{
  if (FData.isEmpty() && !FPicture.isNull() && !FMetafile) {
    QBuffer buffer(&FData);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, FFormat ? FFormat : "png");
    writer.write(FPicture);
  }
  return FData;
}

void TDesignImage::DecodeImage(QByteArrayView Base64)
{
  QByteArray data;
  QString error;
  if (!Base64Decode(Base64, data, error))
    throw EDesignImageError(QStringLiteral("Could not decode image ") + error);
  const QString prefix = QStringLiteral("Could not load image ");
  switch (FImageType) {
  case ditBMP: TakeData(std::move(data), "bmp", prefix); break;
  case ditWMF:
  case ditEMF: TakeData(std::move(data), nullptr, prefix); break;
  case ditJPG: TakeData(std::move(data), "jpeg", prefix); break;
  // GIF pictures are read back as well, so a GIF survives saving and reopening.
  case ditGIF: TakeData(std::move(data), "gif", prefix); break;
  case ditPNG: {
    const char* format = StartsWith(data, "\x89PNG", 4) ? "png" : "bmp";
    TakeData(std::move(data), format, prefix);
    break;
  }
  default: throw EDesignImageError(prefix + QStringLiteral("the picture type %1 is unknown").arg(int(FImageType)));
  }
  // The text is encoded again from the bytes when it is next needed: the same text for
  // any well-formed base64, without keeping a second copy of every picture.
  FStoredImage.clear();
}

QByteArray TDesignImage::EncodeImage() const
{
  return Base64Encode(FileData());
}

QByteArray TDesignImage::GetEncodedImage() const
{
  if (FStoredImage.isEmpty())
    FStoredImage = EncodeImage();
  return FStoredImage;
}

const QImage& TDesignImage::Picture() const
{
  if (!FDecoded) {
    FDecoded = true;
    QBuffer buffer;
    buffer.setData(FData);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, FFormat);
    reader.setDecideFormatFromContent(false);
    FPicture = reader.read();
  }
  return FPicture;
}

void TDesignImage::Draw(TCanvas& Canvas, int x, int y) const
{
  Canvas.Draw(x, y, Picture());
}

void TDesignImage::StretchDraw(TCanvas& Canvas, const TRect& R) const
{
  const QImage& picture = Picture();
  const QSize target(std::abs(R.Width()), std::abs(R.Height()));
  // A picture far larger than where it is shown is scaled once and the result kept,
  // so that repainting a huge pasted picture stays quick.
  if (!picture.isNull() && target.width() > 0 && target.height() > 0 && picture.width() > 2 * target.width() &&
      picture.height() > 2 * target.height()) {
    if (FScaled.size() != target)
      FScaled = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Canvas.StretchDraw(R, FScaled);
    return;
  }
  Canvas.StretchDraw(R, picture);
}
