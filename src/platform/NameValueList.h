#pragma once
// An ordered list of "name=value" lines with case-insensitive name lookup: the
// property lists exchanged between dialogs, toolbars and objects.
#include <QString>
#include <QStringList>

class TNameValueList {
public:
  TNameValueList() = default;

  int Count() const { return int(FLines.size()); }
  bool IsEmpty() const { return FLines.isEmpty(); }
  void Clear() { FLines.clear(); }

  // The whole line at Index ("name=value"); empty outside the list.
  QString Strings(int Index) const;
  // The text before the first "=" of the line at Index (the whole line when it has none).
  QString Names(int Index) const;
  // The text after the first "=" of the line at Index (empty when it has none).
  QString ValueFromIndex(int Index) const;

  // Index of the first line whose name equals Name ignoring letter case; -1 when none.
  int IndexOfName(const QString& Name) const;
  // The value of the first line named Name (ignoring case); empty when there is none.
  QString Values(const QString& Name) const;
  // Sets the value of the line named Name, appending a line when there is none. An empty
  // value is kept as "Name=", so that a dialog can record that a text was emptied.
  void SetValue(const QString& Name, const QString& Value);
  // Appends a line as it is; returns its index.
  int Add(const QString& Line);
  void Delete(int Index);
  void Insert(int Index, const QString& Line);

  // The lines joined with CR LF, and the reverse (CR LF, LF or CR separate lines).
  QString Text() const;
  void SetText(const QString& Text);

  const QStringList& Lines() const { return FLines; }
  bool operator==(const TNameValueList& o) const { return FLines == o.FLines; }

private:
  QStringList FLines;
};
