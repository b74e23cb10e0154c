#include "platform/XmlWriter.h"

#include <gtest/gtest.h>

#include <QString>

#include <vector>

namespace {

const char16_t KClef[] = u"\U0001D11E"; // outside the basic plane: two UTF-16 code units

} // namespace

// ---- Writer -------------------------------------------------------------------------

TEST(XmlWriter, WritesTheExactTextForm)
{
  TXmlWriter w;
  w.Declaration();
  w.Begin(u"Root");
  w.Element(u"A", u"x");
  w.Element(u"Empty", u"");
  w.Begin(u"IMAGE");
  w.CData(u"QUJD");
  w.End();
  w.Begin(u"Nothing");
  w.End();
  w.Begin(u"Outer");
  w.Begin(u"Inner");
  EXPECT_EQ(w.Depth(), 3);
  w.Element(u"Leaf", u"1");
  w.End();
  w.End();
  w.End();
  EXPECT_EQ(w.Depth(), 0);
  EXPECT_EQ(w.TakeBytes(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\r\n"
            "<Root>\r\n"
            "  <A>x</A>\r\n"
            "  <Empty/>\r\n"
            "  <IMAGE>\r\n"
            "    <![CDATA[QUJD]]>\r\n"
            "  </IMAGE>\r\n"
            "  <Nothing/>\r\n"
            "  <Outer>\r\n"
            "    <Inner>\r\n"
            "      <Leaf>1</Leaf>\r\n"
            "    </Inner>\r\n"
            "  </Outer>\r\n"
            "</Root>\r\n");
}

TEST(XmlWriter, TakeClosesOpenElementsAndEmptiesTheWriter)
{
  TXmlWriter w;
  w.Declaration(u"Windows-1252");
  w.Begin(u"R");
  w.Begin(u"S");
  w.Element(u"T", u"v");
  EXPECT_EQ(w.TakeString(), QStringLiteral("<?xml version=\"1.0\" encoding=\"Windows-1252\" standalone=\"no\"?>\r\n"
                                           "<R>\r\n  <S>\r\n    <T>v</T>\r\n  </S>\r\n</R>\r\n"));
  EXPECT_EQ(w.Depth(), 0);
  w.End(); // nothing open: no effect
  w.Begin(u"Only");
  EXPECT_EQ(w.TakeBytes(), "<Only/>\r\n");
}

TEST(XmlWriter, EscapesElementText)
{
  struct TCase {
    QString Text;
    QString Escaped;
  };
  const std::vector<TCase> cases = {
    {u"a&b<c>d\"e'f"_qs, u"a&amp;b&lt;c&gt;d&quot;e&apos;f"_qs},
    {u"caf\u00E9"_qs, u"caf&#xE9;"_qs},
    {u"\u20AC5"_qs, u"&#x20AC;5"_qs},
    {QString(QChar(1)), u"&#x01;"_qs},
    {QString::fromUtf16(KClef), u"&#xD834;&#xDD1E;"_qs},
    {u"\t|\r|\n"_qs, u"\t|\r|\n"_qs},
    {u"\u001F\u007F\u0080\u00FF\u0100"_qs, u"&#x1F;\u007F&#x80;&#xFF;&#x0100;"_qs},
    {QString(QChar(0xD800)), u"&#xD800;"_qs}, // a lone surrogate is still one reference
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(XmlEscapeText(c.Text), c.Escaped) << c.Text.toStdString();
    TXmlWriter w;
    w.Element(u"T", c.Text);
    EXPECT_EQ(w.TakeString(), u"<T>"_qs + c.Escaped + u"</T>\r\n"_qs);
  }
}

TEST(XmlWriter, LongTextsAreEscapedWhole)
{
  // Long enough to be escaped in several steps, with a reference across each boundary.
  QString text;
  QString expected;
  for (int i = 0; i < 5000; ++i) {
    text += u"ab\u00E9"_qs;
    expected += u"ab&#xE9;"_qs;
  }
  EXPECT_EQ(XmlEscapeText(text), expected);
  TXmlWriter w;
  w.Element(u"T", text);
  EXPECT_EQ(w.TakeString(), u"<T>"_qs + expected + u"</T>\r\n"_qs);
}
