#include "model/TextHelpers.h"

#include "support/Support.h"

#include <QFile>
#include <QLocale>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

// Sets the default locale for the life of the object.
struct LocaleScope {
  explicit LocaleScope(QLocale::Language l, QLocale::Territory t) { QLocale::setDefault(QLocale(l, t)); }
  ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

} // namespace

TEST(TextHelpers, StrToBooleanReadsWordsInitialsAndNumbers)
{
  const struct {
    const char* text;
    bool expected;
  } cases[] = {
    {"yes", true}, {"On", true},     {"TRUE", true}, {"Yo", true},  {"Tuesday", true}, {"2", true},
    {"-1", true},  {"y", false},     {"t", false},   {"no", false}, {"0", false},      {"1.5", false},
    {"", false},   {"off", false},   {"+3", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StrToBoolean(QString::fromLatin1(c.text)), c.expected) << c.text;
  EXPECT_EQ(BoolToDigit(true), "1");
  EXPECT_EQ(BoolToDigit(false), "0");
}

TEST(TextHelpers, StrToIntLenientFallsBackToTheFloorOfTheRealReading)
{
  const struct {
    const char* text;
    int expected;
  } cases[] = {
    {"42", 42}, {"4 2", 42}, {"12.7", 12}, {"-3.5", -4}, {"abc", 0}, {"", 0},
    {"-17", -17}, {"99999999999", 2147483647}, {"(5)", -5},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StrToIntLenient(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(TextHelpers, StrToFloatLenientSkipsNoiseAndReadsNegativeMarks)
{
  EXPECT_DOUBLE_EQ(StrToFloatLenient("(1,234.50)"), -1234.5);
  EXPECT_DOUBLE_EQ(StrToFloatLenient("99.5DB"), -99.5);
  EXPECT_DOUBLE_EQ(StrToFloatLenient("99.5db"), -99.5);
  EXPECT_DOUBLE_EQ(StrToFloatLenient("99.5Db"), 99.5);
  EXPECT_DOUBLE_EQ(StrToFloatLenient("EUR 12"), 12);
  EXPECT_DOUBLE_EQ(StrToFloatLenient("1.2.3"), 1.2);
  EXPECT_DOUBLE_EQ(StrToFloatLenient("<7"), -7);
  EXPECT_DOUBLE_EQ(StrToFloatLenient("no digits"), 0);
  EXPECT_DOUBLE_EQ(StrToFloatLenient(""), 0);
}

TEST(TextHelpers, DecimalSeparatorFollowsTheLocale)
{
  EXPECT_EQ(FormatReal(0.5), "0.5");
  {
    LocaleScope german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatReal(0.5), "0,5");
    EXPECT_DOUBLE_EQ(StrToFloatLenient("0,5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloatLenient("0.5"), 5);
  }
  EXPECT_DOUBLE_EQ(StrToFloatLenient("0,5"), 5);
}

TEST(TextHelpers, FormatRealWritesTheGeneralNumberFormat)
{
  const struct {
    double value;
    const char* expected;
  } cases[] = {
    {1, "1"}, {0.5, "0.5"}, {0, "0"}, {-2.25, "-2.25"}, {100, "100"}, {1.0 / 3, "0.333333333333333"},
    {0.00001, "0.00001"}, {0.000001, "1E-6"}, {1.5e-7, "1.5E-7"}, {123456789012345.0, "123456789012345"},
    {1e15, "1E15"}, {-1e20, "-1E20"}, {2.5e100, "2.5E100"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatReal(c.value), QString::fromLatin1(c.expected)) << c.value;
  EXPECT_EQ(FormatReal(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(TextHelpers, IsPlainNumberAllowsDigitsAndOneFullStop)
{
  EXPECT_TRUE(IsPlainNumber("12.5"));
  EXPECT_TRUE(IsPlainNumber(""));
  EXPECT_TRUE(IsPlainNumber("007"));
  EXPECT_FALSE(IsPlainNumber("1a"));
  EXPECT_FALSE(IsPlainNumber("-1"));
  EXPECT_FALSE(IsPlainNumber("1.2.3"));
  EXPECT_FALSE(IsPlainNumber("1 2"));
}

TEST(TextHelpers, ExtractTokenWalksDelimitedTokens)
{
  const QString s = "a  b";
  int pos = 1;
  EXPECT_EQ(ExtractToken(s, pos, u' '), "a");
  EXPECT_EQ(pos, 3);
  EXPECT_EQ(ExtractToken(s, pos, u' '), "");
  EXPECT_EQ(pos, 4);
  EXPECT_EQ(ExtractToken(s, pos, u' '), "b");
  EXPECT_EQ(pos, 5);
  EXPECT_EQ(ExtractToken(s, pos, u' '), "");
  EXPECT_EQ(pos, 5);
  EXPECT_EQ(ExtractToken(s, pos, u' '), "");
  EXPECT_EQ(pos, 5);

  pos = 0; // counts as 1
  EXPECT_EQ(ExtractToken("x,y", pos, u','), "x");
  pos = 7;
  EXPECT_EQ(ExtractToken("", pos, u','), "");
  EXPECT_EQ(pos, 1);
}

TEST(TextHelpers, FieldRoutines)
{
  EXPECT_EQ(CountFields("a,b,,c", u','), 4);
  EXPECT_EQ(CountFields("", u','), 0);
  EXPECT_EQ(CountFields("abc", u','), 1);
  EXPECT_EQ(CountFieldsStr("x--y--z", "--"), 3);
  EXPECT_EQ(CountFieldsStr("x---y", "--"), 2);
  EXPECT_EQ(CountFieldsStr("", "--"), 0);

  EXPECT_EQ(ExtractFields("NAME=a=b", "=", 2, 999), "a=b");
  EXPECT_EQ(ExtractFields("NAME=a=b", "=", 1, 1), "NAME");
  EXPECT_EQ(ExtractFields("a=b", "=", 3, 1), "");
  EXPECT_EQ(ExtractFields("a,b,c,d", ",", 2, 2), "b,c");
  EXPECT_EQ(ExtractFields("a,b,c", ",", 2, 5), "b,c");
  EXPECT_EQ(ExtractFields("a=", "=", 2, 1), "");
  EXPECT_EQ(ExtractFields("", "=", 0, 1), "");
  EXPECT_EQ(ExtractFields("a,b", ",", 0, 1), "a");

  EXPECT_EQ(PosFrom("ab", "xxabyab", 1), 3);
  EXPECT_EQ(PosFrom("ab", "xxabyab", 4), 6);
  EXPECT_EQ(PosFrom("ab", "xxabyab", 7), 0);

  EXPECT_EQ(SafeCopy("hello", 2, 3), "ell");
  EXPECT_EQ(SafeCopy("hello", 4, 10), "lo");
  EXPECT_EQ(SafeCopy("hello", 6, 1), "");

  EXPECT_EQ(ExtractExtension("/tmp/logo.final.PNG"), "PNG");
  EXPECT_EQ(ExtractExtension("README"), "README");
  EXPECT_EQ(ExtractExtension(""), "");
}

TEST(TextHelpers, FontStyleBits)
{
  int style = 8; // strike-out
  SetStyleBold(style, true);
  SetStyleUnderline(style, true);
  EXPECT_TRUE(StyleHasBold(style));
  EXPECT_FALSE(StyleHasItalic(style));
  EXPECT_TRUE(StyleHasUnderline(style));
  SetStyleBold(style, false);
  SetStyleItalic(style, true);
  EXPECT_EQ(style, 8 | 4 | 2);
}

TEST(TextHelpers, TextFilesRoundTripAndReportErrors)
{
  const QString text = QString::fromUtf8("Layout \xC3\xA9\xE2\x82\xAC \xF0\x9D\x84\x9E\r\nline two");
  const QString file = TestTempDir() + "/round.txt";
  ASSERT_TRUE(WriteTextFile(file, text, true));
  QFile raw(file);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_TRUE(raw.readAll().startsWith("\xEF\xBB\xBFLayout"));
  raw.close();

  QString back, error;
  ASSERT_TRUE(ReadTextFile(file, back, error));
  EXPECT_EQ(back, text);
  EXPECT_TRUE(error.isEmpty());

  // UTF-16 with its byte-order mark, both byte orders.
  for (auto enc : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
    const QString utf16 = TestTempDir() + "/utf16.txt";
    QFile f(utf16);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QStringEncoder encoder(enc, QStringConverter::Flag::WriteBom);
    f.write(encoder.encode(text));
    f.close();
    ASSERT_TRUE(ReadTextFile(utf16, back, error));
    EXPECT_EQ(back, text);
  }

  EXPECT_FALSE(ReadTextFile(TestTempDir() + "/missing.txt", back, error));
  EXPECT_FALSE(error.isEmpty());

  // A failed write leaves the old file untouched.
  EXPECT_FALSE(WriteTextFile(TestTempDir() + "/no-such-folder/x.txt", text, true));
}

TEST(TextHelpers, WriteTextFileReplacesWithoutBom)
{
  const QString file = TestTempDir() + "/plain.txt";
  ASSERT_TRUE(WriteTextFile(file, "first version, longer", false));
  ASSERT_TRUE(WriteTextFile(file, "second", false));
  QFile raw(file);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_EQ(raw.readAll(), QByteArray("second"));
}

TEST(TextHelpers, LookupPaperSizeTableAndCustomSizes)
{
  const struct {
    const char* name;
    int width, height;
  } cases[] = {
    {"A4", 210, 297},   {"A5", 147, 210},      {"A6", 105, 147},     {"LETTER", 216, 279}, {"LEGAL", 216, 356},
    {"2X1", 50, 25},    {"250X300", 250, 300}, {"195X94", 195, 94},  {"250x300", -1, -1},  {"0X300", -1, -1},
    {"abcX300", -1, -1}, {"120X0", 120, -1},   {"B5", -1, -1},       {"", -1, -1},         {"a4", -1, -1},
    {"10X20X30", 10, 20},
  };
  for (const auto& c : cases) {
    int h = -1, w = -1;
    LookupPaperSize(QString::fromLatin1(c.name), h, w);
    EXPECT_EQ(w, c.width) << c.name;
    EXPECT_EQ(h, c.height) << c.name;
  }
}
