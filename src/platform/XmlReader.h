#pragma once
// Reading of XML documents through pugixml, safe against hostile input: documents nested
// deeper than XmlMaxDepth are refused before a tree is built, carriage returns and
// whitespace-only texts survive, and no entity is expanded or fetched.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

namespace pugi {
struct xml_node_struct;
class xml_document;
} // namespace pugi

// Deepest element nesting a document may have (the root is level 1).
inline constexpr int XmlMaxDepth = 64;

// Decodes UTF-8 as pugixml produces it: each encoded surrogate (three bytes, as a
// reference such as "&#xD834;" decodes to) becomes that UTF-16 code unit, so a pair
// joins into one character and a lone surrogate stays; invalid bytes become U+FFFD.
QString XmlUtf8ToString(QByteArrayView Utf8);

// The outcome of a parse. Offset counts UTF-16 code units for a QString input and bytes
// for a UTF-8 input; Line is the number of line breaks before Offset plus 1.
struct TXmlParseResult {
  bool Ok = false;
  QString Description;
  qsizetype Offset = 0;
  int Line = 1;
};

// A light handle on an element or on a CDATA section of a parsed document; null when it
// refers to nothing. It stays valid until its document is parsed again or destroyed.
// Children are the element and CDATA nodes, in document order. Child(i) remembers the
// last position it reached, so loops over an index run in linear time; that cache makes
// one handle unsafe to share between threads.
class TXmlElement {
public:
  // A null handle.
  TXmlElement() = default;
  // A handle on a pugixml node, as TXmlDocument hands them out.
  explicit TXmlElement(pugi::xml_node_struct* Node) : FNode(Node) {}

  // True when the handle refers to nothing.
  bool IsNull() const { return FNode == nullptr; }
  // True for a CDATA section; false for an element or a null handle.
  bool IsCData() const;
  // The element name; empty for a CDATA section or a null handle.
  QString Name() const;
  // Exact, case-sensitive comparison of the name with Ascii; false for a null handle.
  bool NameIs(const char* Ascii) const;
  // The element's first text or CDATA child, decoded, or a CDATA section's text; empty
  // when there is none.
  QString Text() const;
  // The same text as UTF-8 bytes as the document holds them (no copy; valid as long
  // as the document). Encoded surrogates stay as pugixml produced them.
  QByteArrayView TextUtf8() const;
  // The element name as UTF-8 (empty for a CDATA section or a null handle).
  const char* NameUtf8() const;
  // Number of children; 0 for a CDATA section or a null handle.
  int ChildCount() const;
  // The child at Index; null outside 0 .. ChildCount() - 1.
  TXmlElement Child(int Index) const;
  // The first child; null when there is none.
  TXmlElement FirstChild() const;
  // The next child of the same parent; null after the last.
  TXmlElement NextSibling() const;

private:
  pugi::xml_node_struct* FNode = nullptr;
  mutable int FCount = -1; // ChildCount, once known
  mutable int FCursorIndex = -1;
  mutable pugi::xml_node_struct* FCursor = nullptr; // the child at FCursorIndex
};

// A parsed document. Parsing keeps carriage returns and whitespace-only texts, ignores
// the declaration's encoding label, and leaves DOCTYPE entities unexpanded. As pugixml
// does, it tolerates text and further elements after the root, which Root() ignores.
class TXmlDocument {
public:
  // An empty document.
  TXmlDocument();
  ~TXmlDocument();
  TXmlDocument(const TXmlDocument&) = delete;
  TXmlDocument& operator=(const TXmlDocument&) = delete;

  // Parses Text, replacing any earlier content; on failure the document is empty.
  TXmlParseResult Parse(const QString& Text);
  // Parses UTF-8 bytes (a leading byte-order mark is skipped), as Parse.
  TXmlParseResult ParseUtf8(QByteArrayView Utf8);
  // The same, parsing in place in the given bytes (no copy when they are not shared).
  TXmlParseResult ParseUtf8Owned(QByteArray Utf8);
  // The document element; null when nothing was parsed.
  TXmlElement Root() const;

private:
  TXmlParseResult ParseBuffer(); // on failure the caller still has FBuffer to map the offset

  std::unique_ptr<pugi::xml_document> FDoc;
  QByteArray FBuffer; // pugixml parses in place, so its node texts point into this
};
