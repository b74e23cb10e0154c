#pragma once
// TDesignPropList: an ordered bag of extra name/value pairs that an object or a band
// carries through the layout file without interpreting it. Keys compare ignoring case.
#include <QString>
#include <QStringList>

class TDesignPropList {
public:
  int Count() const { return int(FList.size()); }
  // The key of pair Index (the text before its first "="); empty outside the list.
  QString GetKey(int Index) const;
  // The value of pair Index (the text after the first "="); empty outside the list.
  QString GetValue(int Index) const;
  // The value of the first pair whose key equals Key ignoring case; empty when none.
  QString GetValueByName(const QString& Key) const;
  // Replaces the pair with that key (which takes this call's letter case) or appends one.
  void SetValueByName(const QString& Key, const QString& Value);
  // Appends a pair without looking for an existing key.
  void Add(const QString& Key, const QString& Value);
  void Clear() { FList.clear(); }
  const QStringList& Lines() const { return FList; }
  bool operator==(const TDesignPropList& o) const { return FList == o.FList; }

private:
  int IndexOfKey(const QString& Key) const;
  QStringList FList;
};
