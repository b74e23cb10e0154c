#include "platform/NameValueList.h"

QString TNameValueList::Strings(int Index) const
{
  return Index >= 0 && Index < Count() ? FLines.at(Index) : QString();
}

QString TNameValueList::Names(int Index) const
{
  const QString line = Strings(Index);
  const qsizetype eq = line.indexOf(u'=');
  return eq < 0 ? line : line.left(eq);
}

QString TNameValueList::ValueFromIndex(int Index) const
{
  const QString line = Strings(Index);
  const qsizetype eq = line.indexOf(u'=');
  return eq < 0 ? QString() : line.mid(eq + 1);
}

int TNameValueList::IndexOfName(const QString& Name) const
{
  for (int i = 0; i < Count(); ++i) {
    const QString& line = FLines.at(i);
    const qsizetype eq = line.indexOf(u'=');
    if (eq >= 0 && QStringView(line).left(eq).compare(Name, Qt::CaseInsensitive) == 0)
      return i;
  }
  return -1;
}

QString TNameValueList::Values(const QString& Name) const
{
  const int i = IndexOfName(Name);
  return i < 0 ? QString() : ValueFromIndex(i);
}

void TNameValueList::SetValue(const QString& Name, const QString& Value)
{
  const int i = IndexOfName(Name);
  const QString line = Name + u'=' + Value;
  if (i >= 0)
    FLines[i] = line;
  else
    FLines.append(line);
}

int TNameValueList::Add(const QString& Line)
{
  FLines.append(Line);
  return Count() - 1;
}

void TNameValueList::Delete(int Index)
{
  if (Index >= 0 && Index < Count())
    FLines.removeAt(Index);
}

void TNameValueList::Insert(int Index, const QString& Line)
{
  FLines.insert(qBound(0, Index, Count()), Line);
}

QString TNameValueList::Text() const
{
  QString s;
  for (const QString& line : FLines) {
    s += line;
    s += QStringLiteral("\r\n");
  }
  return s;
}

void TNameValueList::SetText(const QString& Text)
{
  FLines.clear();
  qsizetype start = 0;
  const qsizetype n = Text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = Text.at(i);
    if (c == u'\r' || c == u'\n') {
      FLines.append(Text.mid(start, i - start));
      if (c == u'\r' && i + 1 < n && Text.at(i + 1) == u'\n')
        ++i;
      start = i + 1;
    }
  }
  if (start < n)
    FLines.append(Text.mid(start));
}
