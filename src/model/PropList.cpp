#include "model/PropList.h"

#include "model/TextHelpers.h"

QString TDesignPropList::GetKey(int Index) const
{
  if (Index < 0 || Index >= Count())
    return QString();
  return ExtractFields(FList.at(Index), QStringLiteral("="), 1, 1);
}

QString TDesignPropList::GetValue(int Index) const
{
  if (Index < 0 || Index >= Count())
    return QString();
  return ExtractFields(FList.at(Index), QStringLiteral("="), 2, 999);
}

int TDesignPropList::IndexOfKey(const QString& Key) const
{
  for (int i = 0; i < Count(); ++i)
    if (GetKey(i).compare(Key, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

QString TDesignPropList::GetValueByName(const QString& Key) const
{
  const int i = IndexOfKey(Key);
  return i < 0 ? QString() : GetValue(i);
}

void TDesignPropList::SetValueByName(const QString& Key, const QString& Value)
{
  const int i = IndexOfKey(Key);
  const QString line = Key + u'=' + Value;
  if (i >= 0)
    FList[i] = line;
  else
    FList.append(line);
}

void TDesignPropList::Add(const QString& Key, const QString& Value)
{
  FList.append(Key + u'=' + Value);
}
