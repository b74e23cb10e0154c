#include "platform/XmlReader.h"
#include "platform/XmlWriter.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace {

const char16_t KClef[] = u"\U0001D11E"; // outside the basic plane: two UTF-16 code units

// Text of a document with Levels nested "a" elements, one start tag per line; Inner goes
// inside the innermost element and Prolog before the root.
std::string Nested(int Levels, const std::string& Inner = {}, const std::string& Prolog = {})
{
  std::string s = Prolog;
  for (int i = 0; i < Levels; ++i)
    s += "<a>\n";
  s += Inner;
  for (int i = 0; i < Levels; ++i)
    s += "</a>";
  return s;
}

std::string Repeat(const std::string& Piece, int Count)
{
  std::string s;
  for (int i = 0; i < Count; ++i)
    s += Piece;
  return s;
}

QString WriteLeaf(const QString& Text)
{
  TXmlWriter w;
  w.Declaration();
  w.Begin(u"Root");
  w.Element(u"T", Text);
  w.End();
  return w.TakeString();
}

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

// ---- Round trips --------------------------------------------------------------------

TEST(XmlRoundTrip, TextsComeBackIdentical)
{
  const std::vector<QString> texts = {
    u"a&b<c>d\"e'f"_qs,
    u"caf\u00E9 \u20AC"_qs,
    QString(QChar(1)) + u"\u001F\u007F"_qs,
    QString::fromUtf16(KClef) + u"x"_qs + QString::fromUtf16(KClef),
    u"one\r\ntwo\rthree\nfour"_qs,
    u"\r"_qs,
    u"   "_qs,
    u"\t"_qs,
    u"  padded  "_qs,
    QString(QChar(0xD800)) + u"x"_qs + QString(QChar(0xDFFF)), // lone surrogates stay
    u"\uFFFD\uFFFF"_qs,
  };
  for (const QString& text : texts) {
    const QString doc = WriteLeaf(text);
    for (const bool fromBytes : {false, true}) {
      TXmlDocument d;
      const TXmlParseResult r = fromBytes ? d.ParseUtf8(doc.toUtf8()) : d.Parse(doc);
      ASSERT_TRUE(r.Ok) << r.Description.toStdString();
      EXPECT_EQ(d.Root().Child(0).Text(), text) << doc.toStdString();
    }
  }
}

TEST(XmlRoundTrip, CDataAndNamesComeBackIdentical)
{
  TXmlWriter w;
  w.Declaration();
  w.Begin(u"PageDesign10");
  w.Begin(u"IMAGE");
  w.CData(u"QUJD+/= <&> caf\u00E9\r\n");
  w.End();
  w.Element(u"\u00E9t\u00E9", u"v"); // a name outside ASCII
  w.End();
  const QByteArray bytes = w.TakeBytes();

  TXmlDocument d;
  ASSERT_TRUE(d.ParseUtf8(bytes).Ok);
  const TXmlElement root = d.Root();
  EXPECT_TRUE(root.NameIs("PageDesign10"));
  EXPECT_FALSE(root.NameIs("pagedesign10"));
  const TXmlElement image = root.Child(0);
  ASSERT_EQ(image.ChildCount(), 1);
  EXPECT_TRUE(image.Child(0).IsCData());
  EXPECT_EQ(image.Child(0).Text(), u"QUJD+/= <&> caf\u00E9\r\n"_qs);
  EXPECT_EQ(image.Text(), image.Child(0).Text()); // the element's own text is its CDATA
  EXPECT_EQ(root.Child(1).Name(), u"\u00E9t\u00E9"_qs);
}

// ---- Reader structure ---------------------------------------------------------------

TEST(XmlReader, ChildrenAreElementsAndCDataInOrder)
{
  TXmlDocument d;
  ASSERT_TRUE(d.Parse(u"<R>text<!-- c --><A>1</A><?pi x?><![CDATA[raw]]><B/>tail</R>"_qs).Ok);
  const TXmlElement root = d.Root();
  EXPECT_EQ(root.Text(), u"text"_qs);
  ASSERT_EQ(root.ChildCount(), 3);
  EXPECT_EQ(root.Child(0).Name(), u"A"_qs);
  EXPECT_EQ(root.Child(0).Text(), u"1"_qs);
  EXPECT_TRUE(root.Child(1).IsCData());
  EXPECT_TRUE(root.Child(1).Name().isEmpty());
  EXPECT_FALSE(root.Child(1).NameIs(""));
  EXPECT_EQ(root.Child(1).Text(), u"raw"_qs);
  EXPECT_TRUE(root.Child(2).NameIs("B"));
  EXPECT_TRUE(root.Child(2).Text().isEmpty());
  EXPECT_TRUE(root.Child(3).IsNull());
  EXPECT_TRUE(root.Child(-1).IsNull());

  QStringList names;
  for (TXmlElement c = root.FirstChild(); !c.IsNull(); c = c.NextSibling())
    names << (c.IsCData() ? u"#cdata"_qs : c.Name());
  EXPECT_EQ(names, QStringList({u"A"_qs, u"#cdata"_qs, u"B"_qs}));

  const TXmlElement none;
  EXPECT_TRUE(none.IsNull());
  EXPECT_EQ(none.ChildCount(), 0);
  EXPECT_TRUE(none.FirstChild().IsNull());
  EXPECT_TRUE(none.Text().isEmpty());
}

TEST(XmlReader, IndexedAccessToManyChildrenIsLinear)
{
  const int count = 200000;
  std::string text = "<R>";
  for (int i = 0; i < count; ++i)
    text += "<c>" + std::to_string(i) + "</c>";
  text += "</R>";
  TXmlDocument d;
  ASSERT_TRUE(d.ParseUtf8(QByteArrayView(text.data(), qsizetype(text.size()))).Ok);
  const TXmlElement root = d.Root();
  ASSERT_EQ(root.ChildCount(), count);

  // A quadratic walk would take minutes here; forwards, backwards and a jump must all
  // land on the right child.
  QElapsedTimer timer;
  timer.start();
  long long sum = 0;
  for (int i = 0; i < count; ++i)
    sum += root.Child(i).Text().toInt();
  EXPECT_EQ(sum, static_cast<long long>(count) * (count - 1) / 2);
  for (int i = count - 1; i >= 0; i -= 997)
    ASSERT_EQ(root.Child(i).Text().toInt(), i);
  EXPECT_EQ(root.Child(123456).Text().toInt(), 123456);
  EXPECT_EQ(root.Child(7).Text().toInt(), 7);
  EXPECT_LT(timer.elapsed(), 5000);
}

// ---- Reader errors ------------------------------------------------------------------

TEST(XmlReader, MalformedTextReportsWhereItFailed)
{
  struct TCase {
    const char* Text;
    int Line;
  };
  const std::vector<TCase> cases = {
    {"<R>\r\n<A>x</B>\r\n</R>", 2},          // mismatched end tag
    {"<R>\n\n  <A>a < b</A>\n</R>", 3},      // "<" in text
    {"<R>\r\r<A b=></A></R>", 3},            // a lone CR is a line break too
    {"<R>\r\n  <A>x</A>\r\n", 3},            // truncated: the root is never closed
    {"", 1},
    {"   \r\n", 2},
  };
  for (const TCase& c : cases) {
    TXmlDocument d;
    const QByteArray bytes(c.Text);
    const TXmlParseResult r = d.ParseUtf8(bytes);
    EXPECT_FALSE(r.Ok) << c.Text;
    EXPECT_FALSE(r.Description.isEmpty()) << c.Text;
    EXPECT_EQ(r.Line, c.Line) << c.Text;
    EXPECT_TRUE(d.Root().IsNull()) << c.Text;
  }
}

TEST(XmlReader, ErrorOffsetCountsUtf16UnitsForTextAndBytesForUtf8)
{
  // The mismatch is reported at the end tag's name "B".
  const QString text = u"<R>\u00E9"_qs + QString::fromUtf16(KClef) + u"<A></B></R>"_qs;
  TXmlDocument d;
  const TXmlParseResult fromText = d.Parse(text);
  EXPECT_FALSE(fromText.Ok);
  EXPECT_EQ(fromText.Offset, 11);
  EXPECT_EQ(text.at(fromText.Offset), u'B');
  const TXmlParseResult fromBytes = d.ParseUtf8(text.toUtf8());
  EXPECT_EQ(fromBytes.Offset, 14);
  EXPECT_EQ(fromBytes.Description, fromText.Description);
}

TEST(XmlReader, FailedParseReplacesEarlierContent)
{
  TXmlDocument d;
  ASSERT_TRUE(d.Parse(u"<Old><A/></Old>"_qs).Ok);
  EXPECT_TRUE(d.Root().NameIs("Old"));
  EXPECT_FALSE(d.Parse(u"<New>"_qs).Ok);
  EXPECT_TRUE(d.Root().IsNull());
  ASSERT_TRUE(d.Parse(u"<New/>"_qs).Ok);
  EXPECT_TRUE(d.Root().NameIs("New"));
}

TEST(XmlReader, EveryTruncationOfADocumentIsRefused)
{
  TXmlWriter w;
  w.Declaration();
  w.Begin(u"PageDesign10");
  w.Element(u"TEXT", u"a&b \u00E9");
  w.Begin(u"IMAGE");
  w.CData(u"QUJD");
  w.End();
  w.Begin(u"DesignObjects");
  w.End();
  w.End();
  const QByteArray bytes = w.TakeBytes();
  const qsizetype closed = bytes.lastIndexOf('>') + 1; // after "</PageDesign10>"
  for (qsizetype n = 0; n < closed; ++n) {
    TXmlDocument d;
    EXPECT_FALSE(d.ParseUtf8(bytes.left(n)).Ok) << n;
  }
  TXmlDocument d;
  EXPECT_TRUE(d.ParseUtf8(bytes.left(closed)).Ok);
}

TEST(XmlReader, HostileContentDoesNotBreakTheReader)
{
  // An element name that is not an XML name, written as given, is refused on reading.
  TXmlWriter w;
  w.Begin(u"AdditionalProperties");
  w.Element(u"my prop", u"1");
  w.End();
  TXmlDocument d;
  EXPECT_FALSE(d.Parse(w.TakeString()).Ok);

  // Invalid UTF-8 decodes to U+FFFD per offending byte; the declaration's label and
  // DOCTYPE entities play no part.
  ASSERT_TRUE(d.ParseUtf8("<?xml version=\"1.0\" encoding=\"Windows-1252\"?>"
                          "<!DOCTYPE R [<!ENTITY e \"zz\">]>"
                          "<R><A>a\xFF" "b\xC3</A><B>\xC0\xAF</B><C>&e;</C><Unknown/></R>")
                .Ok);
  EXPECT_EQ(d.Root().Child(0).Text(), u"a\uFFFDb\uFFFD"_qs);
  EXPECT_EQ(d.Root().Child(1).Text(), u"\uFFFD\uFFFD"_qs);
  EXPECT_EQ(d.Root().Child(2).Text(), u"&e;"_qs);
  EXPECT_EQ(d.Root().ChildCount(), 4);
}

TEST(XmlReader, HugeTextElementIsRead)
{
  const qsizetype size = 200 * 1024 * 1024;
  QByteArray bytes;
  bytes.reserve(size + 16);
  bytes.append("<R>");
  bytes.append(size, 'x');
  bytes.append("</R>");
  TXmlDocument d;
  ASSERT_TRUE(d.ParseUtf8(bytes).Ok);
  bytes.clear();
  const QString text = d.Root().Text();
  EXPECT_EQ(text.size(), size);
  EXPECT_EQ(text.back(), u'x');
}

// ---- Depth limit --------------------------------------------------------------------

TEST(XmlReader, NestingIsLimitedAtTheBoundary)
{
  TXmlDocument d;
  const std::string deepest = Nested(XmlMaxDepth);
  ASSERT_TRUE(d.ParseUtf8(QByteArrayView(deepest.data(), qsizetype(deepest.size()))).Ok);
  TXmlElement e = d.Root();
  int levels = 0;
  for (; !e.IsNull(); e = e.FirstChild())
    ++levels;
  EXPECT_EQ(levels, XmlMaxDepth);

  // A self-closing element at the last allowed level is fine; one level more is not.
  const std::string selfClosing = Nested(XmlMaxDepth - 1, "<b/>");
  EXPECT_TRUE(d.ParseUtf8(QByteArrayView(selfClosing.data(), qsizetype(selfClosing.size()))).Ok);

  for (const std::string& tooDeep : {Nested(XmlMaxDepth + 1), Nested(XmlMaxDepth, "<b/>")}) {
    const TXmlParseResult r = d.ParseUtf8(QByteArrayView(tooDeep.data(), qsizetype(tooDeep.size())));
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Description, u"The document is nested too deeply (more than 64 levels)."_qs);
    EXPECT_EQ(r.Offset, XmlMaxDepth * 4); // each level is "<a>\n"
    EXPECT_EQ(r.Line, XmlMaxDepth + 1);
    EXPECT_TRUE(d.Root().IsNull());
  }
}

TEST(XmlReader, HostileNestingIsRefusedQuickly)
{
  QElapsedTimer timer;
  timer.start();
  for (const std::string& text : {Nested(200000), Repeat("<a>", 200000), Repeat("<a b='1'>", 200000)}) {
    TXmlDocument d;
    const TXmlParseResult r = d.ParseUtf8(QByteArrayView(text.data(), qsizetype(text.size())));
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Description.contains(u"nested too deeply"_qs));
  }
  // Many siblings are not nesting.
  const std::string wide = "<R>" + Repeat("<a></a><b/>", 200000) + "</R>";
  TXmlDocument d;
  EXPECT_TRUE(d.ParseUtf8(QByteArrayView(wide.data(), qsizetype(wide.size()))).Ok);
  EXPECT_LT(timer.elapsed(), 5000);
}

TEST(XmlReader, DepthScanPassesOverMarkupThatHoldsTags)
{
  // Each construct hides tags from the depth count. Holding 70 start tags, it must not
  // make a document at the limit too deep; holding 70 end tags, it must not let a
  // document one level too deep through.
  struct TCase {
    const char* What;
    std::string Inner(const std::string& Tags) const
    {
      const std::string w = What;
      if (w == "comment")
        return "<!-- " + Tags + " -->";
      if (w == "cdata")
        return "<![CDATA[" + Tags + "]]>";
      if (w == "pi")
        return "<?pi " + Tags + "?>";
      if (w == "attributes")
        return "<e x=\"" + Tags + "\" y='" + Tags + "/'/>";
      return {};
    }
    std::string Prolog(const std::string& Tags) const
    {
      if (std::string(What) != "doctype")
        return {};
      return "<!DOCTYPE a [\n<!ENTITY e \"" + Tags + "\">\n<!ATTLIST a x CDATA '" + Tags + "'>\n<!-- " + Tags
        + " -->\n<?p " + Tags + "?>\n<![IGNORE[ " + Tags + " <![ x ]]> ]]>\n]>\n";
    }
  };
  const std::string opens = Repeat("<b>", 70);
  const std::string closes = Repeat("</a>", 70);
  // Each construct sits at level 64; the tail then nests to level 64 or 65.
  const auto document = [](const std::string& Prolog, const std::string& Inner, const std::string& Tail) {
    return Prolog + Repeat("<a>", XmlMaxDepth - 1) + Inner + Tail + Repeat("</a>", XmlMaxDepth - 1);
  };
  for (const TCase c : {TCase{"comment"}, TCase{"cdata"}, TCase{"pi"}, TCase{"attributes"}, TCase{"doctype"}}) {
    TXmlDocument d;
    const std::string atLimit = document(c.Prolog(opens), c.Inner(opens), "<a/>");
    const TXmlParseResult ok = d.ParseUtf8(QByteArrayView(atLimit.data(), qsizetype(atLimit.size())));
    EXPECT_TRUE(ok.Ok) << c.What << ": " << ok.Description.toStdString();

    const std::string tooDeep = document(c.Prolog(closes), c.Inner(closes), "<a><a/></a>");
    const TXmlParseResult refused = d.ParseUtf8(QByteArrayView(tooDeep.data(), qsizetype(tooDeep.size())));
    EXPECT_FALSE(refused.Ok) << c.What;
    EXPECT_TRUE(refused.Description.contains(u"nested too deeply"_qs)) << c.What;
  }
}
