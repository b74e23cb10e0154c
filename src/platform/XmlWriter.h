#pragma once
// Streaming writer of the layout documents' exact XML text: a declaration line, one
// element or CDATA section per line indented by two spaces per level, CR LF line ends,
// no attributes, and element text escaped so that the document is plain ASCII.
//
// Element names are written as given. Property names become element names and must be
// valid XML names; the writer does not check or alter them, so a name such as "my prop"
// yields a document that the reader refuses as malformed (it never crashes on one).
// Names outside ASCII are written as UTF-8, as is CDATA text, which is written unchanged
// and so must not contain "]]>" (the base64 text stored there never does).
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <vector>

// Element text escaped as the documents store it: & < > " ' as the five named
// references; tab, LF and CR kept; other characters below 32 and 128..255 as
// "&#xHH;"; every UTF-16 code unit from 256 up as "&#xHHHH;" (upper-case hex).
QString XmlEscapeText(QStringView Text);

// Appends the document text to one growing buffer; start tags are written lazily, so an
// element closed without children becomes an empty-element tag "<Name/>".
class TXmlWriter {
public:
  TXmlWriter() = default;

  // Writes the declaration line with the given encoding label; call it first.
  void Declaration(QStringView EncodingLabel = u"UTF-8");
  // Opens an element inside the innermost open one.
  void Begin(QStringView Name);
  // Closes the innermost open element; does nothing when none is open.
  void End();
  // Writes a leaf element holding the escaped Text, or "<Name/>" when Text is empty.
  void Element(QStringView Name, QStringView Text);
  // Writes a CDATA section holding Text unchanged as a child of the innermost open element.
  void CData(QStringView Text);
  // The same for text that is already plain ASCII (base64 pictures), without conversion.
  void CDataAscii(QByteArrayView Ascii);
  // A leaf element whose text is plain ASCII that needs no escaping (base64, digits).
  void ElementAscii(QStringView Name, QByteArrayView Ascii);
  // A leaf element holding a decimal integer.
  void ElementInt(QStringView Name, long long Value);
  // Number of elements open.
  int Depth() const { return int(FOpen.size()); }
  // Closes every element still open and returns the text; the writer is empty afterwards.
  QByteArray TakeBytes();
  // As TakeBytes, decoded from UTF-8.
  QString TakeString();

private:
  struct TOpen {
    qsizetype NameOffset; // where the name sits in the start tag already written
    qsizetype NameLength;
  };
  char* Grow(qsizetype Count);
  void Shrink(char* End);
  void CloseStartTag();
  // A leaf's start tag (or, when Empty, its empty-element tag: then false); its name
  // is at NameOffset in the buffer for the end tag.
  bool OpenLeaf(QStringView Name, bool Empty, qsizetype& NameOffset, qsizetype& NameLength);
  void CloseLeaf(qsizetype NameOffset, qsizetype NameLength);
  void Indent(qsizetype Level);
  void AppendName(QStringView Name);
  void AppendAscii(const char* Text, qsizetype Length);

  QByteArray FBuf;
  std::vector<TOpen> FOpen;
  bool FStartTagOpen = false; // the innermost start tag still lacks its ">" or "/>"
};
