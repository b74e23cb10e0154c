#include "model/PropList.h"
#include "objects/DesignImage.h"
#include "objects/DesignObject.h"
#include "platform/Base64.h"
#include "platform/NameValueList.h"

#include "support/Support.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray PictureFile(const char* Format, QColor C = Qt::red, int W = 6, int H = 4)
{
  QImage img(W, H, QImage::Format_RGB32);
  img.fill(C);
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  EXPECT_TRUE(img.save(&buf, Format));
  return bytes;
}

TNameValueList Merged(std::initializer_list<TDesignObject*> Objects)
{
  TNameValueList list;
  bool first = true;
  for (TDesignObject* o : Objects) {
    o->GetPropertyList(list, !first);
    first = false;
  }
  return list;
}

} // namespace

TEST(PropertyLists, ObjectWritesItsSettingsInOrder)
{
  TDesignObject o;
  o.SetBounds(3, 4, 50, 60);
  o.SetText("a\r\nb");
  TNameValueList list;
  list.Add("STALE=1");
  o.GetPropertyList(list, false);
  ASSERT_EQ(list.Count(), 25);
  EXPECT_EQ(list.Strings(0), "FONTNAME=Arial");
  EXPECT_EQ(list.Strings(1), "FONTSIZE=9");
  EXPECT_EQ(list.Strings(12), "FILLCOLOUR=16777215");
  EXPECT_EQ(list.Strings(14), "TEXT=a\r\nb");
  EXPECT_EQ(list.Values("left"), "3");
  EXPECT_EQ(list.Values("HEIGHT"), "60");
  EXPECT_EQ(list.Strings(24), "EMBEDHTML=0");
}

TEST(PropertyLists, MergingKeepsOnlySharedValues)
{
  TDesignObject textBox, rect;
  rect.SetFontSize(12);
  const TNameValueList list = Merged({&textBox, &rect});
  EXPECT_EQ(list.IndexOfName("FONTSIZE"), -1);
  EXPECT_EQ(list.Values("FONTNAME"), "Arial");
  TNameValueList onlyFirst;
  onlyFirst.Add("Content=x");
  textBox.GetPropertyList(onlyFirst, true);
  EXPECT_EQ(onlyFirst.Values("Content"), "x") << "a line the object does not report stays";
  EXPECT_EQ(onlyFirst.Count(), 1) << "merging never adds lines";
}

TEST(PropertyLists, ApplyingLines)
{
  TDesignObject o;
  TNameValueList list;
  for (const char* line : {"HALIGN=3", "VALIGN=4", "BORDERSHAPE=7", "BORDERSTYLE=2", "FILLSTYLE=8", "fontname=Courier",
                           "FONTSIZE=12.7", "FONTBOLD=yes", "WIDTH=77", "TEXT=x=y=z", "MARGIN=abc", "ELLIPSIS=On",
                           "Autosize=3", "NOSUCH=1", "FONTUNDERLINE=1"})
    list.Add(QString::fromLatin1(line));
  o.SetPropertyList(list);
  EXPECT_EQ(o.HAlign(), daFull);
  EXPECT_EQ(o.VAlign(), vaTop);
  EXPECT_EQ(o.BorderShape(), bshNone);
  EXPECT_EQ(o.BorderStyle(), psDot);
  EXPECT_EQ(o.FillStyle(), bsSolid);
  EXPECT_EQ(o.FontName(), "Arial") << "names are exact";
  EXPECT_EQ(o.FontSize(), 12);
  EXPECT_TRUE(o.FontBold());
  EXPECT_EQ(o.Width(), 77);
  EXPECT_EQ(o.StoreWidth(), 77);
  EXPECT_EQ(o.Text(), "x=y=z");
  EXPECT_EQ(o.TextMargin(), 0);
  EXPECT_TRUE(o.Ellipsis());
  EXPECT_EQ(o.Autosize(), 3);
  EXPECT_FALSE(o.FontStyle() & fsUnderline) << "underline has no line of its own";
  TNameValueList empty;
  empty.Add("TEXT");
  o.SetPropertyList(empty);
  EXPECT_EQ(o.Text(), "");
}

TEST(PropertyLists, ExtraPropertiesCompareKeysIgnoringCase)
{
  TDesignPropList p;
  EXPECT_EQ(p.Count(), 0);
  EXPECT_EQ(p.GetKey(0), "");
  p.SetValueByName("KEY", "1");
  p.SetValueByName("Key", "2");
  EXPECT_EQ(p.Count(), 1);
  EXPECT_EQ(p.GetKey(0), "Key");
  EXPECT_EQ(p.GetValueByName("key"), "2");
  p.Add("URL", "a=b");
  EXPECT_EQ(p.GetValueByName("url"), "a=b");
  EXPECT_EQ(p.GetKey(2), "");
}

TEST(Pictures, TypesFromNames)
{
  const struct {
    const char* name;
    TDesignImageType type;
  } cases[] = {{"a.jpeg", ditJPG}, {"A.JPG", ditJPG}, {"x.tif", ditBMP}, {"noext", ditBMP}, {"report.tar.png", ditPNG},
               {"m.emf", ditEMF}, {"m.WMF", ditWMF}, {"g.gif", ditGIF}, {"b.bmp", ditBMP}};
  for (const auto& c : cases)
    EXPECT_EQ(TDesignImage::GetImageTypeFromName(QString::fromLatin1(c.name)), c.type) << c.name;
}

TEST(Pictures, Base64IsStrict)
{
  QByteArray out;
  QString error;
  const QByteArray data("\x00\x01\xFEpicture bytes!", 16);
  const QByteArray text = Base64Encode(data);
  ASSERT_TRUE(Base64Decode(text, out, error));
  EXPECT_EQ(out, data);
  for (const char* bad : {"abc", "ab!d", "a===", "YWJj\nZGVm", "=AAA"}) {
    EXPECT_FALSE(Base64Decode(QByteArray(bad), out, error)) << bad;
    EXPECT_FALSE(error.isEmpty());
  }
  ASSERT_TRUE(Base64Decode("", out, error));
  EXPECT_TRUE(out.isEmpty());
  ASSERT_TRUE(Base64Decode("YQ==", out, error));
  EXPECT_EQ(out, "a");
}

TEST(Pictures, DecodingChoosesTheReaderByType)
{
  const QByteArray png = PictureFile("PNG").toBase64();
  const QByteArray bmp = PictureFile("BMP").toBase64();
  TDesignImage image;
  image.SetImageType(ditPNG);
  image.DecodeImage(png);
  EXPECT_EQ(image.PictureWidth(), 6);
  EXPECT_EQ(image.GetEncodedImage(), png) << "the decoded text is what is stored again";
  EXPECT_EQ(image.Picture().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);

  TDesignImage bitmapAsPng;
  bitmapAsPng.SetImageType(ditPNG);
  bitmapAsPng.DecodeImage(bmp);
  EXPECT_EQ(bitmapAsPng.PictureHeight(), 4) << "PNG data that is in fact a bitmap reads as a bitmap";

  try {
    image.SetImageType(ditJPG);
    image.DecodeImage(png);
    FAIL();
  } catch (const EDesignImageError& e) {
    EXPECT_TRUE(e.Message().startsWith("Could not load image ")) << e.Message().toStdString();
  }
  EXPECT_EQ(image.GetEncodedImage(), png) << "an error leaves the picture as it was";
  try {
    image.DecodeImage("***");
    FAIL();
  } catch (const EDesignImageError& e) {
    EXPECT_TRUE(e.Message().startsWith("Could not decode image "));
  }
  image.SetImageType(TDesignImageType(42));
  EXPECT_THROW(image.DecodeImage(png), EDesignImageError);
}

TEST(Pictures, GifPicturesSurviveSavingAndReopening)
{
  // A real GIF (Qt reads GIF but does not write it): a 1 x 1 red picture.
  const QByteArray gifBytes = QByteArray::fromBase64("R0lGODlhAQABAIAAAP8AAAAAACwAAAAAAQABAAACAkQBADs=");
  const QString file = TestTempDir() + "/red.gif";
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(gifBytes);
  }
  TDesignObject o;
  o.SetImagePath(file);
  ASSERT_TRUE(o.HasImage());
  EXPECT_EQ(o.ImageType(), ditGIF);
  TDesignObject back;
  ASSERT_TRUE(back.FromXMLString2(o.ToXMLString2()));
  ASSERT_TRUE(back.HasImage());
  EXPECT_EQ(back.Image()->PictureWidth(), 1);
  EXPECT_EQ(back.Image()->Picture().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST(Pictures, MisnamedFilesKeepTheirRealKind)
{
  const QString file = TestTempDir() + "/actually-png.jpg";
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(PictureFile("PNG"));
  }
  TDesignObject o;
  o.SetImagePath(file);
  ASSERT_TRUE(o.HasImage());
  EXPECT_EQ(o.ImageType(), ditPNG);
  TDesignObject back;
  ASSERT_TRUE(back.FromXMLString2(o.ToXMLString2()));
  EXPECT_TRUE(back.HasImage());
}

TEST(Pictures, MetafilesAreKeptThoughNotDrawn)
{
  // An enhanced metafile header: record type 1 and " EMF" at offset 40.
  QByteArray emf(88, '\0');
  emf[0] = 1;
  emf.replace(40, 4, " EMF");
  TDesignImage image;
  image.SetImageType(ditEMF);
  image.DecodeImage(emf.toBase64());
  EXPECT_TRUE(image.IsMetafile());
  EXPECT_EQ(image.GetEncodedImage(), emf.toBase64());
  image.SetImageType(ditWMF);
  EXPECT_THROW(image.DecodeImage(PictureFile("PNG").toBase64()), EDesignImageError);
}
