#pragma once
// TDesignHeader: the header written into and read from every layout document. Its text
// and version name the document's root element ("PageDesign" and 10: "PageDesign10").
#include <QString>

class TXmlElement;
class TXmlWriter;

class TDesignHeader {
public:
  QString Header() const { return FHeader; }
  void SetHeader(const QString& v) { FHeader = v; }
  int Version() const { return FVersion; }
  void SetVersion(int v) { FVersion = v; }
  // The root element's name: the header text followed by the version.
  QString RootName() const { return FHeader + QString::number(FVersion); }
  // Writes the "DesignHeader" element.
  void ToXML(TXmlWriter& Writer);
  // Reads a "DesignHeader" element: the text of its first child and the integer of its
  // second. Throws EDesignReadError when it has fewer than two children.
  void FromXML(const TXmlElement& Node);
  // Hooks run after the header's own elements are written or read; they add nothing here.
  virtual void AddXML(TXmlWriter&) {}
  virtual void GetXML(const TXmlElement&) {}
  virtual ~TDesignHeader() = default;

private:
  QString FHeader = QStringLiteral("PageDesign");
  int FVersion = 10;
};
