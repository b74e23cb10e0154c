#include "model/PageLayout.h"

#include "model/TextHelpers.h"
#include "objects/DesignImage.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

#include <iterator>

TDesignUnits::TDesignUnits(const QPaintDevice* Device)
{
  if (Device) {
    FPPIX = Device->logicalDpiX();
    FPPIY = Device->logicalDpiY();
  } else if (QGuiApplication::primaryScreen()) {
    FPPIX = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    FPPIY = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
  }
  if (FPPIX <= 0)
    FPPIX = 96;
  if (FPPIY <= 0)
    FPPIY = 96;
}

void TDesignUnits::SetResolution(int Value)
{
  SetResolution(double(Value), double(Value));
}

void TDesignUnits::SetResolution(double X, double Y)
{
  if (X > 0)
    FPPIX = X;
  if (Y > 0)
    FPPIY = Y;
}

TDesignPage::TDesignPage()
{
  SetDefault();
}

TDesignPage::~TDesignPage() = default;

void TDesignPage::SetDefault()
{
  FPaperSize = QStringLiteral("A4");
  FOrientation = poPortrait;
  FLeftMargin = FTopMargin = FRightMargin = FBaseMargin = 15;
  FWantImperial = false;
  FHasImage = false;
  FImage.reset();
  FImagePath.clear();
}

namespace {
void PaperSizeMM(const QString& Name, int& Width, int& Height)
{
  // Chosen fallback: a name that resolves to no size (B5, B4, a misspelt name) keeps
  // A4's size, so the page always has a defined size.
  Width = 210;
  Height = 297;
  LookupPaperSize(Name, Height, Width);
}
} // namespace

int TDesignPage::PaperWidthMM() const
{
  int w = 0, h = 0;
  PaperSizeMM(FPaperSize, w, h);
  return FOrientation == poLandscape ? h : w;
}

int TDesignPage::PaperHeightMM() const
{
  int w = 0, h = 0;
  PaperSizeMM(FPaperSize, w, h);
  return FOrientation == poLandscape ? w : h;
}

void TDesignPage::SetImagePath(const QString& Value)
{
  if (Value.isEmpty()) {
    FHasImage = false;
    return;
  }
  // Load into a fresh holder first, so a failed load never leaves a half-changed page;
  // the holder is shared with the surfaces, which pick it up when the design is built.
  auto image = std::make_shared<TDesignImage>();
  try {
    image->LoadFromFile(Value);
  } catch (const EDesignImageError&) {
    FHasImage = false;
    return;
  }
  FImagePath = Value;
  FImageType = image->ImageType(); // the content's kind, even for a misnamed file
  FImage = std::move(image);
  FHasImage = true;
}

void TDesignPage::SetEncodedImage(QByteArrayView Text)
{
  if (Text.isEmpty()) {
    FHasImage = false;
    return;
  }
  auto image = std::make_shared<TDesignImage>();
  image->SetImageType(FImageType);
  image->DecodeImage(Text);
  FImage = std::move(image);
  FHasImage = true;
}

namespace {
const char16_t* const kPaperNames[] = {
  u"A4",      u"LETTER",  u"A3",      u"A5",      u"A6",      u"C5",      u"LEGAL",   u"B5",
  u"B4",      u"4X4",     u"2X4",     u"4X2",     u"2X2",     u"2X1",     u"195X94",  u"94X195",
  u"100X150", u"101X149", u"100X174", u"101X109", u"110X120", u"95X200",  u"112X98",  u"150X100",
  u"149X101", u"174X100", u"109X101", u"120X110", u"200X95",  u"98X112",
};
const int kFontSizes[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
} // namespace

int TDesignPageSize::Count() const
{
  return int(std::size(kPaperNames));
}

QString TDesignPageSize::GetSize(int Index) const
{
  if (Index < 0 || Index >= Count())
    return QString();
  return QString::fromUtf16(kPaperNames[Index]);
}

int TDesignFontSize::Count() const
{
  return int(std::size(kFontSizes));
}

int TDesignFontSize::Size(int Index) const
{
  return Index >= 0 && Index < Count() ? kFontSizes[Index] : 0;
}

int TDesignFontSize::Next(int ASize) const
{
  for (int s : kFontSizes)
    if (s > ASize)
      return s;
  return kFontSizes[std::size(kFontSizes) - 1];
}

int TDesignFontSize::Prev(int ASize) const
{
  int result = kFontSizes[0];
  for (int s : kFontSizes)
    if (s < ASize)
      result = s;
  return result;
}
