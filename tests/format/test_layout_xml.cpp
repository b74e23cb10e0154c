#include "editing/Undo.h"
#include "format/DesignHeader.h"
#include "model/Band.h"
#include "model/Container.h"
#include "model/PageLayout.h"
#include "model/Surface.h"
#include "objects/DesignImage.h"
#include "objects/DesignObject.h"

#include "support/Support.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A design as a new metric design starts: one A4 band with both rulers, margins of
// 15 mm drawn, snapping on and a 1 mm grid.
struct Design {
  TDesignContainer container;
  TDesignHeader header;
  Design()
  {
    TDesignBand* band = container.AppendBand();
    band->SetStoreHeight(2970);
    band->SetStoreWidth(2100);
    band->SetShowTopRuler(true);
    band->SetShowLeftRuler(true);
    TDesignSurface* s = container.Surface();
    s->SetStoreLeftMargin(150);
    s->SetStoreRightMargin(150);
    s->SetStoreTopMargin(150);
    s->SetStoreBottomMargin(150);
    s->SetDrawMargin(true);
    s->SetSnapToGrid(true);
    s->SetGridSize(1.0);
  }
  QByteArray Text() { return container.ToXMLBytes(&header); }
  TDesignSurface* Surface() { return container.Surface(); }
};

QByteArray Lines(std::initializer_list<const char*> lines)
{
  QByteArray out;
  for (const char* l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

QString PngBase64(QColor c, int w = 4, int h = 3)
{
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(c);
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  return QString::fromLatin1(bytes.toBase64());
}

// A document with one band holding the given object elements.
QString Document(const QString& objects, const QString& layout = QString(), const QString& band = QString())
{
  return QStringLiteral("<?xml version=\"1.0\"?><PageDesign10><DesignHeader><HEADER>PageDesign</HEADER>"
                        "<VERSION>10</VERSION></DesignHeader><DesignContainer><DesignLayout>%1</DesignLayout>"
                        "<DesignBands><DesignBand><WIDTH>2100</WIDTH><HEIGHT>2970</HEIGHT>%2<DesignObjects>%3"
                        "</DesignObjects></DesignBand></DesignBands></DesignContainer></PageDesign10>")
    .arg(layout, band, objects);
}

} // namespace

TEST(LayoutXml, NewMetricDesignIsWrittenExactly)
{
  Design d;
  EXPECT_EQ(d.Text(), Lines({
                        R"(<?xml version="1.0" encoding="UTF-8" standalone="no"?>)",
                        "<PageDesign10>",
                        "  <DesignHeader>",
                        "    <HEADER>PageDesign</HEADER>",
                        "    <VERSION>10</VERSION>",
                        "  </DesignHeader>",
                        "  <DesignContainer>",
                        "    <DesignLayout>",
                        "      <PAPER>A4</PAPER>",
                        "      <ORIENTATION>PORTRAIT</ORIENTATION>",
                        "      <LEFTMARGIN>15</LEFTMARGIN>",
                        "      <RIGHTMARGIN>15</RIGHTMARGIN>",
                        "      <TOPMARGIN>15</TOPMARGIN>",
                        "      <BASEMARGIN>15</BASEMARGIN>",
                        "      <IMPERIAL>0</IMPERIAL>",
                        "      <IMAGEMODE>0</IMAGEMODE>",
                        "    </DesignLayout>",
                        "    <DesignBands>",
                        "      <DesignBand>",
                        "        <TYPE>TDesignBand</TYPE>",
                        "        <TOPRULER>-1</TOPRULER>",
                        "        <LEFTRULER>-1</LEFTRULER>",
                        "        <WIDTH>2100</WIDTH>",
                        "        <HEIGHT>2970</HEIGHT>",
                        "        <LEFTMARGIN>150</LEFTMARGIN>",
                        "        <RIGHTMARGIN>150</RIGHTMARGIN>",
                        "        <TOPMARGIN>150</TOPMARGIN>",
                        "        <BOTTOMMARGIN>150</BOTTOMMARGIN>",
                        "        <DRAWMARGIN>-1</DRAWMARGIN>",
                        "        <SNAP>-1</SNAP>",
                        "        <GRID>1</GRID>",
                        "        <DesignObjects/>",
                        "      </DesignBand>",
                        "    </DesignBands>",
                        "  </DesignContainer>",
                        "</PageDesign10>",
                      }));
}

TEST(LayoutXml, ObjectElementsAndEscaping)
{
  TDesignUnits units;
  units.SetResolution(96);
  TDesignObject o;
  o.SetUnits(&units);
  o.SetStoreLeft(100);
  o.SetStoreTop(200);
  o.SetStoreWidth(300);
  o.SetStoreHeight(400);
  o.SetBorderShape(bshRect);
  o.SetText(QString::fromUtf8("A & B < C > D \" ' \xC3\xA9 \xE2\x82\xAC \xF0\x9D\x84\x9E\t\r\nend"));
  o.SetFontBold(true);
  o.SetFillColour(clBtnFace);
  o.PropList().Add("URL", "a=b");
  o.PropList().Add("Empty", "");
  EXPECT_EQ(o.ToXMLBytes2().toStdString(),
            Lines({
              R"(<?xml version="1.0" encoding="UTF-8" standalone="no"?>)",
              "<DesignObject>",
              "  <TYPE>TDesignObject</TYPE>",
              "  <LEFT>100</LEFT>",
              "  <TOP>200</TOP>",
              "  <WIDTH>300</WIDTH>",
              "  <HEIGHT>400</HEIGHT>",
              "  <BORDERSHAPE>1</BORDERSHAPE>",
              "  <BORDERWIDTH>1</BORDERWIDTH>",
              "  <BORDERCOLOUR>0</BORDERCOLOUR>",
              "  <BORDERSTYLE>0</BORDERSTYLE>",
              "  <FILLCOLOUR>-16777201</FILLCOLOUR>",
              "  <FILLSTYLE>0</FILLSTYLE>",
              "  <TEXT>A &amp; B &lt; C &gt; D &quot; &apos; &#xE9; &#x20AC; &#xD834;&#xDD1E;\t",
              "end</TEXT>",
              "  <FONTNAME>Arial</FONTNAME>",
              "  <FONTSIZE>9</FONTSIZE>",
              "  <FONTBOLD>-1</FONTBOLD>",
              "  <FONTITALIC>0</FONTITALIC>",
              "  <FONTUNDERLINE>0</FONTUNDERLINE>",
              "  <FONTCOLOUR>0</FONTCOLOUR>",
              "  <ELLIPSIS>0</ELLIPSIS>",
              "  <WORDWRAP>0</WORDWRAP>",
              "  <MARGIN>0</MARGIN>",
              "  <ROTATION>0</ROTATION>",
              "  <HALIGN>0</HALIGN>",
              "  <VALIGN>0</VALIGN>",
              "  <IMAGEMODE>0</IMAGEMODE>",
              "  <AdditionalProperties>",
              "    <URL>a=b</URL>",
              "    <Empty/>",
              "  </AdditionalProperties>",
              "  <WANTHTML>0</WANTHTML>",
              "  <EMBEDHTML>0</EMBEDHTML>",
              "  <Autosize>0</Autosize>",
              "</DesignObject>",
            }).toStdString());

  // Read back into a fresh object, everything comes back.
  TDesignObject back;
  ASSERT_TRUE(back.FromXMLString2(o.ToXMLString2()));
  EXPECT_EQ(back.Text(), o.Text());
  EXPECT_EQ(back.FillColour(), clBtnFace);
  EXPECT_TRUE(back.FontBold());
  EXPECT_EQ(back.StoreWidth(), 300);
  EXPECT_EQ(back.PropList().Lines(), o.PropList().Lines());
  EXPECT_EQ(back.PropList().GetValueByName("url"), "a=b");
}

TEST(LayoutXml, PicturesAreWrittenBetweenAlignmentAndImageMode)
{
  const QString file = TestTempDir() + "/xml-pic.png";
  QImage img(5, 5, QImage::Format_RGB32);
  img.fill(Qt::green);
  ASSERT_TRUE(img.save(file));
  TDesignObject o;
  o.SetImagePath(file);
  ASSERT_TRUE(o.HasImage());
  const QByteArray text = o.ToXMLBytes2();
  const qsizetype valign = text.indexOf("<VALIGN>"), type = text.indexOf("<IMAGETYPE>5</IMAGETYPE>"),
                  path = text.indexOf("<IMAGEPATH>"), image = text.indexOf("<IMAGE>"), mode = text.indexOf("<IMAGEMODE>");
  EXPECT_TRUE(valign < type && type < path && path < image && image < mode) << text.toStdString();
  QFile raw(file);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_TRUE(text.contains("<IMAGE>" + raw.readAll().toBase64() + "</IMAGE>")) << "the file's own bytes";

  TDesignObject back;
  ASSERT_TRUE(back.FromXMLString2(QString::fromUtf8(text)));
  ASSERT_TRUE(back.HasImage());
  EXPECT_EQ(back.Image()->PictureWidth(), 5);
  EXPECT_EQ(back.ImagePath(), file);
  EXPECT_EQ(back.ToXMLBytes2(), text) << "the picture is written back exactly";
}

TEST(LayoutXml, PageBackgroundIsACDataSection)
{
  Design d;
  const QString file = TestTempDir() + "/xml-bg.png";
  QImage img(3, 3, QImage::Format_RGB32);
  img.fill(Qt::blue);
  ASSERT_TRUE(img.save(file));
  d.container.PageLayout()->SetImagePath(file);
  d.container.PageLayout()->SetImageMode(imScale);
  const QByteArray text = d.Text();
  QFile raw(file);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  const QByteArray expected = Lines({"      <IMPERIAL>0</IMPERIAL>", "      <IMAGETYPE>5</IMAGETYPE>"}) +
                              "      <IMAGEPATH>" + file.toUtf8() + "</IMAGEPATH>\r\n" +
                              Lines({"      <IMAGE>"}) + "        <![CDATA[" + raw.readAll().toBase64() + "]]>\r\n" +
                              Lines({"      </IMAGE>", "      <IMAGEMODE>2</IMAGEMODE>"});
  EXPECT_TRUE(text.contains(expected)) << text.toStdString();

  Design other;
  ASSERT_TRUE(other.container.FromXMLString(&other.header, QString::fromUtf8(text)));
  EXPECT_TRUE(other.container.PageLayout()->HasImage());
  EXPECT_EQ(other.container.PageLayout()->ImageMode(), imScale);
  EXPECT_EQ(other.Text(), text);
}

TEST(LayoutXml, SaveOpenSaveGivesTheSameBytes)
{
  Design d;
  TDesignSurface* s = d.Surface();
  for (int i = 0; i < 3; ++i) {
    auto* o = new TDesignObject;
    s->AddControlAt(o, QRect(10 + 40 * i, 20, 30, 17));
    o->SetText(QStringLiteral("Object %1 \xE9").arg(i));
    o->SetBorderShape(TBorderShape(i + 1));
    o->SetTextRotation(i * 90);
  }
  s->GetControl(1)->SetImageType(ditPNG);
  s->GetControl(1)->LoadEncodedImage(PngBase64(Qt::red).toLatin1());
  d.container.Band(0)->PropList().Add("Section", "Detail=1");
  d.container.PageLayout()->SetOrientation(poLandscape);
  const QByteArray first = d.Text();

  Design e;
  TLayoutReadResult r;
  ASSERT_TRUE(e.container.FromXMLString(&e.header, QString::fromUtf8(first), &r));
  EXPECT_EQ(r.Status, TLayoutReadResult::Ok);
  EXPECT_EQ(e.Surface()->ControlCount(), 3);
  EXPECT_EQ(e.Surface()->GetControl(0)->SelectMode(), smNone) << "a layout's objects are not selected";
  EXPECT_EQ(e.Text(), first);
  EXPECT_FALSE(e.container.Changed()) << "reading is not an undoable change";
  EXPECT_FALSE(e.container.UndoManager()->Blocked());
}

TEST(LayoutXml, LenientReadingOfTheLayoutAndBand)
{
  const struct {
    const char* layout;
    const char* band;
    std::function<void(TDesignContainer&)> check;
  } cases[] = {
    {"<ORIENTATION>LANSCAPE</ORIENTATION>", "", [](TDesignContainer& c) { EXPECT_EQ(c.PageLayout()->Orientation(), poLandscape); }},
    {"<ORIENTATION>landscape</ORIENTATION>", "", [](TDesignContainer& c) { EXPECT_EQ(c.PageLayout()->Orientation(), poPortrait); }},
    {"<IMPERIAL>True</IMPERIAL>", "", [](TDesignContainer& c) { EXPECT_TRUE(c.PageLayout()->WantImperial()); }},
    {"<IMPERIAL>1</IMPERIAL>", "", [](TDesignContainer& c) { EXPECT_TRUE(c.PageLayout()->WantImperial()); }},
    {"<IMPERIAL>-1</IMPERIAL>", "", [](TDesignContainer& c) { EXPECT_TRUE(c.PageLayout()->WantImperial()); }},
    {"<IMPERIAL>yes</IMPERIAL>", "", [](TDesignContainer& c) { EXPECT_FALSE(c.PageLayout()->WantImperial()); }},
    {"<LEFTMARGIN/>", "", [](TDesignContainer& c) { EXPECT_EQ(c.PageLayout()->LeftMarginMM(), -1); }},
    {"<LEFTMARGIN>99999999999</LEFTMARGIN>", "", [](TDesignContainer& c) { EXPECT_EQ(c.PageLayout()->LeftMarginMM(), -1); }},
    {"<PAPER>NoSuchPaper</PAPER>", "", [](TDesignContainer& c) { EXPECT_EQ(c.PageLayout()->PaperWidthMM(), 210); }},
    {"<IMAGEMODE>7</IMAGEMODE>", "", [](TDesignContainer& c) { EXPECT_EQ(c.PageLayout()->ImageMode(), imNone); }},
    {"", "<GRID>0,5</GRID>", [](TDesignContainer& c) { EXPECT_DOUBLE_EQ(c.Surface()->GridSize(), 0.5); }},
    {"", "<GRID>0.5</GRID>", [](TDesignContainer& c) { EXPECT_DOUBLE_EQ(c.Surface()->GridSize(), 0.5); }},
    {"", "<GRID>half</GRID>", [](TDesignContainer& c) { EXPECT_DOUBLE_EQ(c.Surface()->GridSize(), 0); }},
    {"", "<TOPRULER>-1</TOPRULER><SNAP>0</SNAP>", [](TDesignContainer& c) {
       EXPECT_TRUE(c.Band(0)->ShowTopRuler());
       EXPECT_FALSE(c.Surface()->SnapToGrid());
     }},
    {"", "<AdditionalProperties><A>1</A><B>x=y</B></AdditionalProperties>", [](TDesignContainer& c) {
       EXPECT_EQ(c.Band(0)->PropList().Lines(), (QStringList{"A=1", "B=x=y"}));
     }},
    {"<UNKNOWN>1</UNKNOWN><PAPER>A5</PAPER><PAPER>A3</PAPER>", "<WHATEVER/>", [](TDesignContainer& c) {
       EXPECT_EQ(c.PageLayout()->PaperSize(), "A3") << "a repeated element is applied again";
     }},
  };
  for (const auto& k : cases) {
    Design d;
    ASSERT_TRUE(d.container.FromXMLString(&d.header, Document("", k.layout, k.band))) << k.layout << k.band;
    k.check(d.container);
  }
}

TEST(LayoutXml, GridIsWrittenWithAFullStopInEveryLocale)
{
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Design d;
  d.Surface()->SetGridSize(0.5);
  const QByteArray text = d.Text();
  QLocale::setDefault(QLocale::c());
  EXPECT_TRUE(text.contains("<GRID>0.5</GRID>"));
}

TEST(LayoutXml, RootAndHeader)
{
  Design d;
  d.Surface()->AddControl(new TDesignObject);
  TLayoutReadResult r;
  QString doc = Document("");
  doc.replace("PageDesign10", "PageDesign9");
  EXPECT_TRUE(d.container.FromXMLString(&d.header, doc, &r));
  EXPECT_EQ(r.Status, TLayoutReadResult::WrongRoot);
  EXPECT_EQ(r.Root, "PageDesign9");
  EXPECT_EQ(d.Surface()->ControlCount(), 1) << "nothing was read";

  EXPECT_FALSE(d.container.FromXMLString(&d.header, "<PageDesign10><unclosed>", &r));
  EXPECT_EQ(r.Status, TLayoutReadResult::NotXml);
  EXPECT_EQ(d.Surface()->ControlCount(), 1);

  doc = Document("");
  doc.replace("<HEADER>PageDesign</HEADER><VERSION>10</VERSION>", "<A>MyDesign</A><B>3</B>");
  ASSERT_TRUE(d.container.FromXMLString(&d.header, doc, &r));
  EXPECT_EQ(r.Status, TLayoutReadResult::Ok);
  EXPECT_TRUE(d.Text().contains("\r\n<MyDesign3>\r\n"));

  // Bands named otherwise are read as bands all the same.
  Design e;
  doc = Document("");
  doc.replace("DesignBand>", "Band>");
  ASSERT_TRUE(e.container.FromXMLString(&e.header, doc));
  EXPECT_EQ(e.container.Bands(), 1);
  EXPECT_EQ(e.Surface()->StoreWidth(), 2100);
}

TEST(LayoutXml, StructuralErrorsKeepWhatWasRead)
{
  // A header with one child: an error before anything is replaced.
  Design d;
  d.Surface()->AddControl(new TDesignObject);
  TLayoutReadResult r;
  QString doc = Document("");
  doc.replace("<VERSION>10</VERSION>", "");
  EXPECT_TRUE(d.container.FromXMLString(&d.header, doc, &r));
  EXPECT_EQ(r.Status, TLayoutReadResult::Failed);
  EXPECT_FALSE(r.ReplacedDesign);
  EXPECT_EQ(d.Surface()->ControlCount(), 1);

  // An object without children: the objects before it stay, recording works again.
  doc = Document("<DesignObject><TYPE>TDesignObject</TYPE><TEXT>first</TEXT></DesignObject><DesignObject/>"
                 "<DesignObject><TYPE>TDesignObject</TYPE></DesignObject>");
  EXPECT_TRUE(d.container.FromXMLString(&d.header, doc, &r));
  EXPECT_EQ(r.Status, TLayoutReadResult::Failed);
  EXPECT_TRUE(r.ReplacedDesign);
  ASSERT_EQ(d.Surface()->ControlCount(), 1);
  EXPECT_EQ(d.Surface()->GetControl(0)->Text(), "first");
  EXPECT_FALSE(d.container.UndoManager()->Blocked());
  EXPECT_FALSE(d.container.Changed());
}

TEST(LayoutXml, ObjectReadingRules)
{
  Design d;
  const QString red = PngBase64(Qt::red);
  const QString doc = Document(
    "<DesignObject><TYPE>TDesignNoSuchKind</TYPE><LEFT>120</LEFT><TOP>50</TOP><WIDTH>400</WIDTH><HEIGHT>200</HEIGHT>"
    "<TEXT>kept</TEXT><BORDERSHAPE>7</BORDERSHAPE><HALIGN>3</HALIGN><VALIGN>9</VALIGN><FONTSIZE>x</FONTSIZE>"
    "<SURPRISE><DEEPER>1</DEEPER></SURPRISE><EXPANDTABS>0</EXPANDTABS></DesignObject>"
    // The picture precedes its type: it is decoded with the object's type before (BMP)
    // and so fails; the reading goes on.
    "<DesignObject><TYPE>TDesignObject</TYPE><IMAGE>" + red + "</IMAGE><IMAGETYPE>5</IMAGETYPE></DesignObject>"
    "<DesignObject><TYPE>TDesignObject</TYPE><IMAGETYPE>5</IMAGETYPE><IMAGE>" + red + "</IMAGE></DesignObject>"
    "<DesignObject><TYPE>TDesignObject</TYPE><IMAGETYPE>5</IMAGETYPE><IMAGE>!!not base64!!</IMAGE></DesignObject>");
  TLayoutReadResult r;
  ASSERT_TRUE(d.container.FromXMLString(&d.header, doc, &r));
  EXPECT_EQ(r.Status, TLayoutReadResult::Ok);
  ASSERT_EQ(d.Surface()->ControlCount(), 4);
  TDesignObject* plain = d.Surface()->GetControl(0);
  EXPECT_EQ(plain->ClassName(), "TDesignObject");
  EXPECT_EQ(plain->StoreLeft(), 120) << "stored positions are kept, not snapped";
  EXPECT_EQ(plain->StoreWidth(), 400);
  EXPECT_EQ(plain->Text(), "kept");
  EXPECT_EQ(plain->BorderShape(), bshNone) << "shape 7 is ignored";
  EXPECT_EQ(plain->HAlign(), daFull);
  EXPECT_EQ(plain->VAlign(), vaTop);
  EXPECT_EQ(plain->FontSize(), -1) << "an unreadable integer reads as -1";
  EXPECT_FALSE(plain->ExpandTabs());
  EXPECT_FALSE(d.Surface()->GetControl(1)->HasImage());
  EXPECT_TRUE(d.Surface()->GetControl(2)->HasImage());
  EXPECT_FALSE(d.Surface()->GetControl(3)->HasImage());
  ASSERT_EQ(r.Warnings.size(), 2);
  EXPECT_TRUE(r.Warnings[0].startsWith("Could not load image "));
  EXPECT_TRUE(r.Warnings[1].startsWith("Could not decode image "));
}

TEST(LayoutXml, ClipboardTextsOfObjects)
{
  Design d;
  TDesignSurface* s = d.Surface();
  for (int i = 0; i < 5; ++i) {
    auto* o = new TDesignObject;
    s->AddControlAt(o, QRect(10 * i, 0, 8, 8));
    o->SetText(QString::number(i));
  }
  s->GetControl(1)->SetSelectMode(smAny);
  s->GetControl(3)->SetSelectMode(smFirst);
  QString text;
  s->ControlsToXMLString(text, true);
  EXPECT_TRUE(text.startsWith("<?xml"));
  EXPECT_EQ(text.count("<DesignObject>"), 2);
  EXPECT_LT(text.indexOf("<TEXT>1</TEXT>"), text.indexOf("<TEXT>3</TEXT>")) << "in surface order";

  ASSERT_TRUE(s->ControlsFromXMLString(text));
  ASSERT_EQ(s->ControlCount(), 7);
  EXPECT_EQ(s->GetControl(5)->Text(), "1");
  EXPECT_EQ(s->GetControl(5)->SelectMode(), smAny);
  EXPECT_NE(s->GetControl(5)->Name(), s->GetControl(1)->Name());

  // The object list may sit one level down; other texts add nothing.
  ASSERT_TRUE(s->ControlsFromXMLString("<Wrapper><Other/><DesignObjects><DesignObject><TYPE>X</TYPE></DesignObject>"
                                       "</DesignObjects></Wrapper>"));
  EXPECT_EQ(s->ControlCount(), 8);
  EXPECT_TRUE(s->ControlsFromXMLString("<Wrapper/>"));
  EXPECT_FALSE(s->ControlsFromXMLString("plain text"));
  EXPECT_EQ(s->ControlCount(), 8);
}
