#include "platform/XmlReader.h"

#include <pugixml.hpp>

#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// Carriage returns inside texts must survive a round trip, so end-of-line normalisation
// is off; a text of only spaces must survive too, hence whitespace-only text is kept when
// it is an element's only child. DOCTYPE, comments and processing instructions are
// skipped, and pugixml never expands declared entities or fetches external ones.
constexpr unsigned KParseOptions = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_ws_pcdata_single;

bool IsContinuation(unsigned char c)
{
  return (c & 0xC0) == 0x80;
}

bool StartsWith(const char* P, const char* E, std::string_view Prefix)
{
  return qsizetype(E - P) >= qsizetype(Prefix.size()) && std::memcmp(P, Prefix.data(), Prefix.size()) == 0;
}

// The position just after the first Pattern at or after From; nullptr when there is none.
const char* After(const char* From, const char* E, std::string_view Pattern)
{
  if (From >= E)
    return nullptr;
  const std::string_view rest(From, size_t(E - From));
  const size_t at = rest.find(Pattern);
  return at == std::string_view::npos ? nullptr : From + at + Pattern.size();
}

const char* FindChar(const char* From, const char* E, char C)
{
  // Markup is dense: most searches end within a few bytes, where a plain loop beats
  // the library call.
  const char* p = From;
  for (int k = 0; k < 24 && p < E; ++k, ++p)
    if (*p == C)
      return p;
  return p < E ? static_cast<const char*>(std::memchr(p, C, size_t(E - p))) : nullptr;
}

// Skips the body of a DOCTYPE declaration (P is just after "<!DOCTYPE") the way pugixml
// does: quoted strings, comments, processing instructions and conditional sections are
// passed over whole, each "<!" opens a markup declaration closed by ">", and the ">" at
// level 0 ends the DOCTYPE. A "<" that pugixml would refuse ends the skip at that "<",
// so the scan never passes over anything that pugixml could turn into elements.
const char* SkipDoctype(const char* P, const char* E)
{
  int level = 0;
  while (P < E) {
    const char c = *P;
    if (c == '"' || c == '\'') {
      const char* q = FindChar(P + 1, E, c);
      if (!q)
        return E;
      P = q + 1;
    } else if (c == '<') {
      const char* q = nullptr;
      if (StartsWith(P, E, "<!--")) {
        q = After(P + 4, E, "-->");
      } else if (StartsWith(P, E, "<![")) {
        int open = 1;
        for (q = P + 3; q < E && open > 0;) {
          if (StartsWith(q, E, "<![")) {
            ++open;
            q += 3;
          } else if (StartsWith(q, E, "]]>")) {
            --open;
            q += 3;
          } else {
            ++q;
          }
        }
        if (open > 0)
          q = nullptr;
      } else if (StartsWith(P, E, "<?")) {
        q = After(P + 2, E, "?>");
      } else if (StartsWith(P, E, "<!")) {
        ++level;
        q = P + 2;
      } else {
        return P;
      }
      if (!q)
        return E;
      P = q;
    } else if (c == '>') {
      if (level == 0)
        return P + 1;
      --level;
      ++P;
    } else {
      ++P;
    }
  }
  return E;
}

// The offset of the start tag that opens level MaxDepth + 1, or -1 when the text nests no
// deeper than MaxDepth. Comments, CDATA sections, processing instructions, the DOCTYPE
// and quoted attribute values are passed over; self-closing tags do not nest. Wherever
// the text is malformed, pugixml stops there, so the scan may stop there too or go on
// counting: it can only count more levels than pugixml builds, never fewer.
qsizetype FindTooDeep(const char* B, qsizetype Size, int MaxDepth)
{
  const char* p = B;
  const char* e = B + Size;
  int depth = 0;
  // Characters that end the run of a start tag's name and attributes.
  static const auto stops = [] {
    std::array<bool, 256> t{};
    t[static_cast<unsigned char>('>')] = t[static_cast<unsigned char>('<')] = true;
    t[static_cast<unsigned char>('"')] = t[static_cast<unsigned char>('\'')] = true;
    return t;
  }();
  while ((p = FindChar(p, e, '<'))) {
    const char next = p + 1 < e ? p[1] : '\0';
    if (next == '?') {
      p = After(p + 2, e, "?>");
    } else if (next == '!') {
      if (StartsWith(p, e, "<!--"))
        p = After(p + 4, e, "-->");
      else if (StartsWith(p, e, "<![CDATA["))
        p = After(p + 9, e, "]]>");
      else if (StartsWith(p, e, "<!DOCTYPE"))
        p = SkipDoctype(p + 9, e);
      else
        p += 2; // pugixml refuses any other declaration
    } else if (next == '/') {
      if (depth > 0)
        --depth;
      p = FindChar(p + 2, e, '>');
    } else {
      const char* tag = p;
      if (++depth > MaxDepth)
        return tag - B;
      ++p;
      while (p && p < e) {
        while (p < e && !stops[static_cast<unsigned char>(*p)])
          ++p;
        if (p >= e || *p == '>' || *p == '<')
          break;
        // A quoted attribute value, passed over whole.
        p = FindChar(p + 1, e, *p);
        if (p)
          ++p;
      }
      if (!p || p >= e)
        break;
      if (*p == '<')
        continue; // pugixml refuses a "<" inside a tag
      if (p[-1] == '/')
        --depth;
    }
    if (!p)
      break;
  }
  return -1;
}

int LineAt(const QByteArray& Buffer, qsizetype Offset)
{
  int line = 1;
  const char* s = Buffer.constData();
  for (qsizetype i = 0; i < Offset; ++i) {
    if (s[i] == '\n' || (s[i] == '\r' && (i + 1 >= Buffer.size() || s[i + 1] != '\n')))
      ++line;
  }
  return line;
}

// The number of UTF-16 code units that the first Offset bytes of valid UTF-8 decode to.
qsizetype Utf16Length(const QByteArray& Utf8, qsizetype Offset)
{
  qsizetype units = 0;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(Utf8.constData());
  for (qsizetype i = 0; i < Offset; ++i) {
    if (!IsContinuation(s[i]))
      units += s[i] >= 0xF0 ? 2 : 1;
  }
  return units;
}

bool IsChild(const pugi::xml_node& N)
{
  return N.type() == pugi::node_element || N.type() == pugi::node_cdata;
}

pugi::xml_node NextChild(pugi::xml_node N)
{
  while (N && !IsChild(N))
    N = N.next_sibling();
  return N;
}

pugi::xml_node PreviousChild(pugi::xml_node N)
{
  while (N && !IsChild(N))
    N = N.previous_sibling();
  return N;
}

QString FromPugi(const char* Utf8)
{
  return XmlUtf8ToString(QByteArrayView(Utf8, qsizetype(std::strlen(Utf8))));
}

} // namespace

QString XmlUtf8ToString(QByteArrayView Utf8)
{
  QString out(Utf8.size(), Qt::Uninitialized);
  char16_t* const base = reinterpret_cast<char16_t*>(out.data());
  char16_t* o = base;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(Utf8.data());
  const unsigned char* const e = s + Utf8.size();
  while (s < e) {
    while (e - s >= 8) {
      std::uint64_t word;
      std::memcpy(&word, s, 8);
      if (word & 0x8080808080808080ull)
        break;
      for (int i = 0; i < 8; ++i)
        o[i] = s[i];
      o += 8;
      s += 8;
    }
    if (s >= e)
      break;
    const unsigned char c = *s;
    const qsizetype left = e - s;
    if (c < 0x80) {
      *o++ = c;
      ++s;
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF && left >= 2 && IsContinuation(s[1])) {
      *o++ = char16_t(((c & 0x1F) << 6) | (s[1] & 0x3F));
      s += 2;
      continue;
    }
    if (c >= 0xE0 && c <= 0xEF && left >= 3 && IsContinuation(s[1]) && IsContinuation(s[2])) {
      // Surrogates (ED A0..BF xx) are taken as code units on purpose.
      const char32_t cp = char32_t(((c & 0x0F) << 12) | ((s[1] & 0x3F) << 6) | (s[2] & 0x3F));
      if (cp >= 0x800) {
        *o++ = char16_t(cp);
        s += 3;
        continue;
      }
    }
    if (c >= 0xF0 && c <= 0xF4 && left >= 4 && IsContinuation(s[1]) && IsContinuation(s[2])
        && IsContinuation(s[3])) {
      const char32_t cp = char32_t(((c & 0x07) << 18) | ((s[1] & 0x3F) << 12) | ((s[2] & 0x3F) << 6)
                                   | (s[3] & 0x3F));
      if (cp >= 0x10000 && cp <= 0x10FFFF) {
        *o++ = QChar::highSurrogate(cp);
        *o++ = QChar::lowSurrogate(cp);
        s += 4;
        continue;
      }
    }
    *o++ = u'\uFFFD';
    ++s;
  }
  out.truncate(o - base);
  return out;
}

bool TXmlElement::IsCData() const
{
  return FNode && pugi::xml_node(FNode).type() == pugi::node_cdata;
}

QString TXmlElement::Name() const
{
  return FNode && !IsCData() ? FromPugi(pugi::xml_node(FNode).name()) : QString();
}

bool TXmlElement::NameIs(const char* Ascii) const
{
  return FNode && !IsCData() && std::strcmp(pugi::xml_node(FNode).name(), Ascii) == 0;
}

QString TXmlElement::Text() const
{
  if (!FNode)
    return QString();
  const pugi::xml_node node(FNode);
  return FromPugi(node.type() == pugi::node_cdata ? node.value() : node.child_value());
}

QByteArrayView TXmlElement::TextUtf8() const
{
  if (!FNode)
    return QByteArrayView();
  const pugi::xml_node node(FNode);
  return QByteArrayView(node.type() == pugi::node_cdata ? node.value() : node.child_value());
}

const char* TXmlElement::NameUtf8() const
{
  return FNode && !IsCData() ? pugi::xml_node(FNode).name() : "";
}

int TXmlElement::ChildCount() const
{
  if (FCount < 0) {
    int count = 0;
    if (FNode) {
      for (pugi::xml_node c = NextChild(pugi::xml_node(FNode).first_child()); c; c = NextChild(c.next_sibling()))
        ++count;
    }
    FCount = count;
  }
  return FCount;
}

TXmlElement TXmlElement::Child(int Index) const
{
  const int count = ChildCount();
  if (Index < 0 || Index >= count)
    return TXmlElement();
  // Walk from whichever known position is nearest: the first child, the last child, or
  // the child reached by the previous call.
  pugi::xml_node node;
  int at;
  const int fromCursor = FCursor ? std::abs(Index - FCursorIndex) : INT_MAX;
  if (fromCursor <= Index && fromCursor <= count - 1 - Index) {
    node = pugi::xml_node(FCursor);
    at = FCursorIndex;
  } else if (Index <= count - 1 - Index) {
    node = NextChild(pugi::xml_node(FNode).first_child());
    at = 0;
  } else {
    node = PreviousChild(pugi::xml_node(FNode).last_child());
    at = count - 1;
  }
  for (; at < Index; ++at)
    node = NextChild(node.next_sibling());
  for (; at > Index; --at)
    node = PreviousChild(node.previous_sibling());
  FCursor = node.internal_object();
  FCursorIndex = Index;
  return TXmlElement(FCursor);
}

TXmlElement TXmlElement::FirstChild() const
{
  return FNode ? TXmlElement(NextChild(pugi::xml_node(FNode).first_child()).internal_object()) : TXmlElement();
}

TXmlElement TXmlElement::NextSibling() const
{
  return FNode ? TXmlElement(NextChild(pugi::xml_node(FNode).next_sibling()).internal_object()) : TXmlElement();
}

TXmlDocument::TXmlDocument() : FDoc(std::make_unique<pugi::xml_document>()) {}

TXmlDocument::~TXmlDocument() = default;

TXmlParseResult TXmlDocument::Parse(const QString& Text)
{
  FDoc->reset();
  FBuffer = Text.toUtf8();
  TXmlParseResult result = ParseBuffer();
  if (!result.Ok) {
    result.Offset = Utf16Length(FBuffer, result.Offset);
    FBuffer.clear();
  }
  return result;
}

TXmlParseResult TXmlDocument::ParseUtf8(QByteArrayView Utf8)
{
  return ParseUtf8Owned(Utf8.toByteArray());
}

TXmlParseResult TXmlDocument::ParseUtf8Owned(QByteArray Utf8)
{
  FDoc->reset();
  FBuffer = std::move(Utf8);
  TXmlParseResult result = ParseBuffer();
  if (!result.Ok)
    FBuffer.clear();
  return result;
}

TXmlParseResult TXmlDocument::ParseBuffer()
{
  TXmlParseResult result;
  // pugixml builds and frees its tree recursively, so a deeply nested document would
  // overflow the stack: it is refused before pugixml sees it.
  const qsizetype tooDeep = FindTooDeep(FBuffer.constData(), FBuffer.size(), XmlMaxDepth);
  if (tooDeep >= 0) {
    result.Description = QStringLiteral("The document is nested too deeply (more than %1 levels).").arg(XmlMaxDepth);
    result.Offset = tooDeep;
    result.Line = LineAt(FBuffer, tooDeep);
    return result;
  }
  const pugi::xml_parse_result parsed = FBuffer.isEmpty()
    ? FDoc->load_buffer("", 0, KParseOptions, pugi::encoding_utf8)
    : FDoc->load_buffer_inplace(FBuffer.data(), size_t(FBuffer.size()), KParseOptions, pugi::encoding_utf8);
  result.Ok = bool(parsed);
  if (!result.Ok) {
    result.Description = QString::fromUtf8(parsed.description());
    result.Offset = qBound(qsizetype(0), qsizetype(parsed.offset), FBuffer.size());
    result.Line = LineAt(FBuffer, result.Offset);
    FDoc->reset();
  }
  return result;
}

TXmlElement TXmlDocument::Root() const
{
  return TXmlElement(FDoc->document_element().internal_object());
}
