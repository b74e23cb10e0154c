#include "format/XmlValues.h"

#include "model/TextHelpers.h"

#include <cmath>

namespace {
thread_local TReadReport* gReport = nullptr;
}

int XmlInt(QByteArrayView Text)
{
  qsizetype i = 0, n = Text.size();
  while (i < n && (Text[i] == ' ' || Text[i] == '\t'))
    ++i;
  while (n > i && (Text[n - 1] == ' ' || Text[n - 1] == '\t'))
    --n;
  bool negative = false;
  if (i < n && (Text[i] == '-' || Text[i] == '+')) {
    negative = Text[i] == '-';
    ++i;
  }
  if (i >= n)
    return -1;
  long long v = 0;
  for (; i < n; ++i) {
    const char c = Text[i];
    if (c < '0' || c > '9')
      return -1;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL)
      return -1;
  }
  if (negative)
    v = -v;
  if (v > 2147483647LL)
    return -1;
  return int(v);
}

bool XmlBool(QByteArrayView Text)
{
  // The written forms first.
  if (Text == "-1" || Text == "1")
    return true;
  if (Text == "0")
    return false;
  const QByteArray t = Text.trimmed().toByteArray().toLower();
  if (t == "true")
    return true;
  if (t == "false" || t.isEmpty())
    return false;
  bool ok = false;
  const double v = t.toDouble(&ok);
  return ok && v != 0;
}

double XmlReal(const QString& Text)
{
  QString t = Text.trimmed();
  if (!t.contains(u'.'))
    t.replace(u',', u'.');
  bool ok = false;
  const double v = t.toDouble(&ok);
  return ok && std::isfinite(v) ? v : 0;
}

QString XmlRealText(double V)
{
  return FormatRealWith(V, u'.');
}

TReadReport::TReadReport()
  : FOuter(gReport)
{
  gReport = this;
}

TReadReport::~TReadReport()
{
  gReport = FOuter;
}

TReadReport* TReadReport::Current()
{
  return gReport;
}

void TReadReport::Warn(const QString& Message)
{
  if (gReport && !gReport->Warnings.contains(Message))
    gReport->Warnings << Message;
}
