#include "model/TextHelpers.h"

#include "platform/Rounding.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>

#include <cmath>
#include <cstdio>

namespace {

QChar LocaleDecimalSeparator()
{
  const QString d = QLocale().decimalPoint();
  return d.isEmpty() ? QChar(u'.') : d.at(0);
}

// A whole decimal number with an optional sign; Value receives it (saturated).
bool ParseWholeNumber(const QString& S, long long& Value)
{
  qsizetype i = 0;
  bool negative = false;
  if (i < S.size() && (S.at(i) == u'+' || S.at(i) == u'-')) {
    negative = S.at(i) == u'-';
    ++i;
  }
  if (i >= S.size())
    return false;
  long long v = 0;
  for (; i < S.size(); ++i) {
    const QChar c = S.at(i);
    if (c < u'0' || c > u'9')
      return false;
    if (v < (1LL << 40))
      v = v * 10 + (c.unicode() - u'0');
  }
  Value = negative ? -v : v;
  return true;
}

int Saturate(long long v)
{
  if (v > 2147483647LL)
    return 2147483647;
  if (v < -2147483648LL)
    return int(-2147483647 - 1);
  return int(v);
}

} // namespace

bool StrToBoolean(const QString& S)
{
  if (S.isEmpty())
    return false;
  const QString u = S.toUpper();
  if (u == u"YES" || u == u"TRUE" || u == u"ON")
    return true;
  if (S.at(0) == u'Y' || S.at(0) == u'T')
    return true;
  long long v = 0;
  return ParseWholeNumber(S, v) && v != 0;
}

QString BoolToDigit(bool B)
{
  return B ? QStringLiteral("1") : QStringLiteral("0");
}

QString FormatRealWith(double V, QChar Separator)
{
  if (!std::isfinite(V))
    return QString();
  if (V == 0)
    return QStringLiteral("0");
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", V);
  // buf: [-]d.dddddddddddddde[+-]XX
  QString text = QString::fromLatin1(buf);
  const bool negative = text.startsWith(u'-');
  if (negative)
    text.remove(0, 1);
  const qsizetype e = text.indexOf(u'e');
  QString digits = text.left(1) + text.mid(2, e - 2);
  const int exponent = text.mid(e + 1).toInt();
  while (digits.size() > 1 && digits.endsWith(u'0'))
    digits.chop(1);
  QString out;
  if (exponent >= 15 || exponent < -5) {
    out = digits.left(1);
    if (digits.size() > 1)
      out += Separator + digits.mid(1);
    out += u'E';
    if (exponent < 0)
      out += u'-';
    out += QString::number(std::abs(exponent));
  } else if (exponent >= 0) {
    const qsizetype intDigits = exponent + 1;
    if (digits.size() <= intDigits) {
      out = digits + QString(intDigits - digits.size(), u'0');
    } else {
      out = digits.left(intDigits) + Separator + digits.mid(intDigits);
    }
  } else {
    out = QStringLiteral("0") + Separator + QString(-exponent - 1, u'0') + digits;
  }
  return negative ? u'-' + out : out;
}

QString FormatReal(double V)
{
  return FormatRealWith(V, LocaleDecimalSeparator());
}

double StrToFloatLenientWith(const QString& S, QChar Separator)
{
  if (S.isEmpty())
    return 0;
  QString number;
  bool negative = false;
  const qsizetype n = S.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = S.at(i);
    if (c == Separator || (c >= u'0' && c <= u'9'))
      number += c;
    else if (c == u'(' || c == u'-' || c == u'<')
      negative = true;
    else if ((c == u'D' && i + 1 < n && S.at(i + 1) == u'B') || (c == u'd' && i + 1 < n && S.at(i + 1) == u'b'))
      negative = true;
  }
  // Read digits, one separator and more digits; a second separator ends the number.
  double value = 0;
  double scale = 0;
  for (const QChar c : number) {
    if (c == Separator) {
      if (scale != 0)
        break;
      scale = 1;
      continue;
    }
    const int d = c.unicode() - u'0';
    if (scale == 0) {
      value = value * 10 + d;
    } else {
      scale /= 10;
      value += d * scale;
    }
  }
  if (!std::isfinite(value))
    return 0;
  return negative ? -value : value;
}

double StrToFloatLenient(const QString& S)
{
  return StrToFloatLenientWith(S, LocaleDecimalSeparator());
}

int StrToIntLenient(const QString& S)
{
  if (S.isEmpty())
    return 0;
  long long v = 0;
  if (ParseWholeNumber(S, v))
    return Saturate(v);
  return FloorToInt(StrToFloatLenient(S));
}

bool IsPlainNumber(const QString& S)
{
  int stops = 0;
  for (const QChar c : S) {
    if (c == u'.') {
      if (++stops > 1)
        return false;
    } else if (c < u'0' || c > u'9') {
      return false;
    }
  }
  return true;
}

QString ExtractToken(const QString& S, int& Pos, QChar Delim)
{
  const int len = int(S.size());
  if (S.isEmpty() || Pos > len) {
    Pos = len + 1;
    return QString();
  }
  if (Pos < 1)
    Pos = 1;
  QString token;
  while (Pos <= len) {
    const QChar c = S.at(Pos - 1);
    ++Pos;
    if (c == Delim)
      break;
    token += c;
  }
  return token;
}

int PosFrom(const QString& SubStr, const QString& S, int Offset)
{
  if (SubStr.isEmpty())
    return 0;
  const qsizetype i = S.indexOf(SubStr, std::max(Offset, 1) - 1);
  return i < 0 ? 0 : int(i + 1);
}

int CountFields(const QString& S, QChar DelimChar)
{
  return S.isEmpty() ? 0 : int(S.count(DelimChar)) + 1;
}

int CountFieldsStr(const QString& S, const QString& Delim)
{
  if (S.isEmpty())
    return 0;
  if (Delim.isEmpty())
    return 1;
  int count = 1;
  qsizetype from = 0;
  while (true) {
    const qsizetype i = S.indexOf(Delim, from);
    if (i < 0)
      break;
    ++count;
    from = i + Delim.size();
  }
  return count;
}

QString ExtractFields(const QString& S, const QString& Delim, int Start, int Count)
{
  if (S.isEmpty() || Delim.isEmpty() || Count <= 0)
    return QString();
  if (Start < 1)
    Start = 1;
  const QChar d = Delim.at(0);
  qsizetype begin = 0;
  for (int field = 1; field < Start; ++field) {
    const qsizetype i = S.indexOf(d, begin);
    if (i < 0)
      return QString();
    begin = i + 1;
  }
  qsizetype end = begin;
  for (int field = 0; field < Count; ++field) {
    const qsizetype i = S.indexOf(d, end);
    if (i < 0)
      return S.mid(begin);
    if (field == Count - 1)
      return S.mid(begin, i - begin);
    end = i + 1;
  }
  return S.mid(begin);
}

QString SafeCopy(const QString& S, int Index, int Count)
{
  if (Index > S.size() || Count <= 0)
    return QString();
  if (Index < 1)
    Index = 1;
  return S.mid(Index - 1, Count);
}

QString ExtractExtension(const QString& FileName)
{
  const qsizetype i = FileName.lastIndexOf(u'.');
  return i < 0 ? FileName : FileName.mid(i + 1);
}

bool ReadTextFile(const QString& FileName, QString& Text, QString& ErrorText)
{
  ErrorText.clear();
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly)) {
    ErrorText = file.errorString();
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    ErrorText = file.errorString();
    return false;
  }
  QStringConverter::Encoding encoding = QStringConverter::System;
  qsizetype skip = 0;
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    encoding = QStringConverter::Utf8;
    skip = 3;
  } else if (bytes.startsWith("\xFF\xFE")) {
    encoding = QStringConverter::Utf16LE;
    skip = 2;
  } else if (bytes.startsWith("\xFE\xFF")) {
    encoding = QStringConverter::Utf16BE;
    skip = 2;
  }
  QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
  QString decoded = decoder.decode(QByteArrayView(bytes).sliced(skip));
  if (decoder.hasError()) {
    ErrorText = QStringLiteral("The file \"%1\" holds bytes that are not valid text in its encoding.").arg(FileName);
    return false;
  }
  Text = std::move(decoded);
  return true;
}

bool ReadTextFileUtf8(const QString& FileName, QByteArray& Utf8, QString& ErrorText)
{
  ErrorText.clear();
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly)) {
    ErrorText = file.errorString();
    return false;
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    ErrorText = file.errorString();
    return false;
  }
  const bool systemIsUtf8 = QStringConverter::encodingForName(QStringConverter::nameForEncoding(QStringConverter::System)) ==
                            QStringConverter::Utf8;
  if (bytes.startsWith("\xEF\xBB\xBF") || (systemIsUtf8 && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF"))) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
      bytes.remove(0, 3);
    if (!QByteArrayView(bytes).isValidUtf8()) {
      ErrorText = QStringLiteral("The file \"%1\" holds bytes that are not valid text in its encoding.").arg(FileName);
      return false;
    }
    Utf8 = std::move(bytes);
    return true;
  }
  QString text;
  if (!ReadTextFile(FileName, text, ErrorText))
    return false;
  Utf8 = text.toUtf8();
  return true;
}

bool WriteTextFile(const QString& FileName, const QString& Text, bool WithBOM)
{
  return WriteUtf8File(FileName, Text.toUtf8(), WithBOM);
}

bool WriteUtf8File(const QString& FileName, const QByteArray& utf8, bool WithBOM)
{
  QSaveFile file(FileName);
  if (!file.open(QIODevice::WriteOnly))
    return false;
  if (WithBOM && file.write("\xEF\xBB\xBF", 3) != 3) {
    file.cancelWriting();
    return false;
  }
  if (file.write(utf8) != utf8.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool StyleHasBold(int Style) { return Style & 1; }
bool StyleHasItalic(int Style) { return Style & 2; }
bool StyleHasUnderline(int Style) { return Style & 4; }
void SetStyleBold(int& Style, bool On) { Style = On ? (Style | 1) : (Style & ~1); }
void SetStyleItalic(int& Style, bool On) { Style = On ? (Style | 2) : (Style & ~2); }
void SetStyleUnderline(int& Style, bool On) { Style = On ? (Style | 4) : (Style & ~4); }

void LookupPaperSize(const QString& Name, int& Height, int& Width)
{
  struct Entry {
    const char16_t* Name;
    int Width, Height;
  };
  static const Entry table[] = {
    {u"A4", 210, 297},   {u"A3", 297, 420},     {u"A5", 147, 210},    {u"A6", 105, 147},
    {u"C5", 176, 250},   {u"LEGAL", 216, 356},  {u"LETTER", 216, 279}, {u"4X4", 101, 101},
    {u"4X2", 101, 50},   {u"2X4", 50, 101},     {u"2X2", 50, 50},     {u"2X1", 50, 25},
  };
  for (const Entry& e : table) {
    if (Name == QStringView(e.Name)) {
      Width = e.Width;
      Height = e.Height;
      return;
    }
  }
  // Custom sizes: width "X" height, read leniently; a part of 0 or less is not used.
  const qsizetype x1 = Name.indexOf(u'X');
  if (x1 < 0)
    return;
  const int w = StrToIntLenient(Name.left(x1));
  if (w <= 0)
    return;
  Width = w;
  const qsizetype x2 = Name.indexOf(u'X', x1 + 1);
  const int h = StrToIntLenient(x2 < 0 ? Name.mid(x1 + 1) : Name.mid(x1 + 1, x2 - x1 - 1));
  if (h > 0)
    Height = h;
}
