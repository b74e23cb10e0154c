// Hostile and damaged layout texts: the reader ends every one of them with a clear
// result and never crashes or hangs.
#include "format/DesignHeader.h"
#include "model/Band.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "objects/DesignObject.h"

#include <gtest/gtest.h>

namespace {

struct Reader {
  TDesignContainer container;
  TDesignHeader header;
  TLayoutReadResult result;
  bool Read(const QString& Text) { return container.FromXMLString(&header, Text, &result); }
};

QString ValidLayout()
{
  TDesignContainer c;
  TDesignHeader h;
  TDesignBand* band = c.AppendBand();
  band->SetStoreWidth(2100);
  band->SetStoreHeight(2970);
  for (int i = 0; i < 4; ++i) {
    auto* o = new TDesignObject;
    o->SetText(QStringLiteral("text %1 & <more> \xE9").arg(i));
    o->PropList().Add("K", "v=1");
    band->Surface()->AddControlAt(o, QRect(10 * i, 10, 30, 20));
  }
  QString text;
  c.ToXMLString(&h, text);
  return text;
}

} // namespace

TEST(HostileInput, TruncatedLayoutsAtEveryLength)
{
  const QString full = ValidLayout();
  for (qsizetype n = 0; n < full.size(); n += 7) {
    Reader r;
    r.Read(full.left(n));
    EXPECT_NE(r.result.Status, TLayoutReadResult::Ok) << n;
    EXPECT_FALSE(r.container.UndoManager() == nullptr);
  }
  Reader whole;
  EXPECT_TRUE(whole.Read(full));
  EXPECT_EQ(whole.result.Status, TLayoutReadResult::Ok);
  EXPECT_EQ(whole.container.Surface()->ControlCount(), 4);
}

TEST(HostileInput, DeepNestingIsRefusedBeforeATreeIsBuilt)
{
  const int depth = 200000;
  QString text;
  text.reserve(depth * 7 + 40);
  text += "<PageDesign10>";
  for (int i = 0; i < depth; ++i)
    text += "<a>";
  for (int i = 0; i < depth; ++i)
    text += "</a>";
  text += "</PageDesign10>";
  Reader r;
  EXPECT_FALSE(r.Read(text));
  EXPECT_EQ(r.result.Status, TLayoutReadResult::NotXml);
  EXPECT_TRUE(r.result.Message.contains("nested")) << r.result.Message.toStdString();
}

TEST(HostileInput, AHugeTextElementIsRead)
{
  QString big(200 * 1024 * 1024, u'x');
  const QString text = "<PageDesign10><DesignContainer><DesignBands><DesignBand><DesignObjects><DesignObject>"
                       "<TYPE>TDesignObject</TYPE><WIDTH>100</WIDTH><HEIGHT>100</HEIGHT><TEXT>" +
                       big + "</TEXT></DesignObject></DesignObjects></DesignBand></DesignBands></DesignContainer>"
                             "</PageDesign10>";
  big.clear();
  Reader r;
  ASSERT_TRUE(r.Read(text));
  ASSERT_EQ(r.container.Surface()->ControlCount(), 1);
  EXPECT_EQ(r.container.Surface()->GetControl(0)->Text().size(), 200 * 1024 * 1024);
}

TEST(HostileInput, AbsurdValuesAndUnknownElementsEverywhere)
{
  const QString text =
    "<PageDesign10><Junk><More/></Junk><DesignHeader><HEADER>PageDesign</HEADER><VERSION>10</VERSION><X/>"
    "</DesignHeader><DesignContainer><Unknown/><DesignLayout><PAPER>99999999X99999999</PAPER>"
    "<LEFTMARGIN>-2147483649</LEFTMARGIN><IMAGETYPE>77</IMAGETYPE><IMAGE>@@@@</IMAGE><Q><R/></Q></DesignLayout>"
    "<DesignBands><![CDATA[stray]]><DesignBand><WIDTH>2147483647</WIDTH><HEIGHT>-5</HEIGHT><GRID>1e308</GRID>"
    "<LEFTMARGIN>99999999</LEFTMARGIN><DesignObjects><Foo/><DesignObject><TYPE>TDesignObject</TYPE>"
    "<LEFT>2147483647</LEFT><WIDTH>-2147483648</WIDTH><FONTSIZE>2147483647</FONTSIZE><ROTATION>-99999</ROTATION>"
    "<IMAGETYPE>-3</IMAGETYPE><IMAGE>%%%</IMAGE><AdditionalProperties><a>1</a><b><c/></b></AdditionalProperties>"
    "<Nested><Deep>1</Deep></Nested></DesignObject></DesignObjects></DesignBand></DesignBands></DesignContainer>"
    "</PageDesign10>";
  Reader r;
  ASSERT_TRUE(r.Read(text));
  EXPECT_EQ(r.result.Status, TLayoutReadResult::Ok);
  ASSERT_EQ(r.container.Bands(), 1);
  ASSERT_EQ(r.container.Surface()->ControlCount(), 1);
  EXPECT_EQ(r.container.Surface()->GetControl(0)->StoreLeft(), 2147483647);
  EXPECT_EQ(r.result.Warnings.size(), 2) << r.result.Warnings.join("; ").toStdString();
  // The design can be painted and written again.
  QString again;
  r.container.ToXMLString(&r.header, again);
  EXPECT_TRUE(again.contains("<DesignObject>"));
  QImage img(200, 200, QImage::Format_RGB32);
  r.container.Surface()->render(&img);
}

TEST(HostileInput, TextsThatAreNotLayouts)
{
  for (const char* text : {"", "plain text", "<", "<?xml version=\"1.0\"?>", "<a><b></a>", "\xEF\xBB\xBF"}) {
    Reader r;
    r.container.AppendBand();
    r.Read(QString::fromUtf8(text));
    EXPECT_NE(r.result.Status, TLayoutReadResult::Ok) << text;
    EXPECT_EQ(r.container.Bands(), 1) << text;
  }
}

TEST(HostileInput, EntitiesAreNeverExpanded)
{
  Reader r;
  r.container.AppendBand();
  ASSERT_TRUE(r.Read("<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><PageDesign10><DesignContainer>"
                     "<DesignBands><DesignBand><DesignObjects><DesignObject><TYPE>T</TYPE><TEXT>&e;</TEXT>"
                     "</DesignObject></DesignObjects></DesignBand></DesignBands></DesignContainer></PageDesign10>"));
  ASSERT_EQ(r.container.Surface()->ControlCount(), 1);
  EXPECT_FALSE(r.container.Surface()->GetControl(0)->Text().contains("root:"));
}
