#include "platform/XmlWriter.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr char KHex[] = "0123456789ABCDEF";

// Characters below 128 that are written as themselves.
constexpr std::array<bool, 128> KPlain = [] {
  std::array<bool, 128> t{};
  for (int c = 32; c < 128; ++c)
    t[c] = true;
  t['&'] = t['<'] = t['>'] = t['"'] = t['\''] = false;
  t['\t'] = t['\n'] = t['\r'] = true;
  return t;
}();

template <typename Ch> Ch* PutAscii(Ch* Out, const char* Text, int Length)
{
  for (int i = 0; i < Length; ++i)
    *Out++ = Ch(Text[i]);
  return Out;
}

// Escapes [Begin, End) into Out, which must have room for 8 characters per code unit;
// returns the end of what was written.
template <typename Ch> Ch* EscapeUnits(const char16_t* Begin, const char16_t* End, Ch* Out)
{
  for (const char16_t* s = Begin; s < End; ++s) {
    const char16_t c = *s;
    if (c < 128 && KPlain[c]) {
      *Out++ = Ch(c);
      continue;
    }
    switch (c) {
    case u'&':
      Out = PutAscii(Out, "&amp;", 5);
      continue;
    case u'<':
      Out = PutAscii(Out, "&lt;", 4);
      continue;
    case u'>':
      Out = PutAscii(Out, "&gt;", 4);
      continue;
    case u'"':
      Out = PutAscii(Out, "&quot;", 6);
      continue;
    case u'\'':
      Out = PutAscii(Out, "&apos;", 6);
      continue;
    default:
      break;
    }
    Out = PutAscii(Out, "&#x", 3);
    if (c >= 256) {
      *Out++ = Ch(KHex[c >> 12]);
      *Out++ = Ch(KHex[(c >> 8) & 15]);
    }
    *Out++ = Ch(KHex[(c >> 4) & 15]);
    *Out++ = Ch(KHex[c & 15]);
    *Out++ = Ch(';');
  }
  return Out;
}

constexpr qsizetype KMaxEscape = 8; // "&#xD834;"
constexpr qsizetype KChunk = 4096;  // code units escaped per buffer step

} // namespace

QString XmlEscapeText(QStringView Text)
{
  QString out;
  const char16_t* s = Text.utf16();
  const char16_t* end = s + Text.size();
  while (s < end) {
    const char16_t* chunkEnd = s + std::min(KChunk, qsizetype(end - s));
    const qsizetype old = out.size();
    out.resize(old + KMaxEscape * (chunkEnd - s));
    char16_t* base = reinterpret_cast<char16_t*>(out.data());
    out.resize(EscapeUnits(s, chunkEnd, base + old) - base);
    s = chunkEnd;
  }
  return out;
}

char* TXmlWriter::Grow(qsizetype Count)
{
  const qsizetype old = FBuf.size();
  if (old + Count > FBuf.capacity())
    FBuf.reserve(std::max(old + Count, 2 * FBuf.capacity() + 4096));
  FBuf.resize(old + Count);
  return FBuf.data() + old;
}

void TXmlWriter::Shrink(char* End)
{
  FBuf.resize(End - FBuf.constData());
}

void TXmlWriter::AppendAscii(const char* Text, qsizetype Length)
{
  std::memcpy(Grow(Length), Text, size_t(Length));
}

void TXmlWriter::Indent(qsizetype Level)
{
  std::memset(Grow(2 * Level), ' ', size_t(2 * Level));
}

void TXmlWriter::AppendName(QStringView Name)
{
  const char16_t* s = Name.utf16();
  const qsizetype n = Name.size();
  if (std::all_of(s, s + n, [](char16_t c) { return c < 128; })) {
    char* out = Grow(n);
    for (qsizetype i = 0; i < n; ++i)
      out[i] = char(s[i]);
  } else {
    FBuf.append(Name.toUtf8());
  }
}

void TXmlWriter::CloseStartTag()
{
  if (FStartTagOpen) {
    AppendAscii(">\r\n", 3);
    FStartTagOpen = false;
  }
}

void TXmlWriter::Declaration(QStringView EncodingLabel)
{
  static constexpr char head[] = "<?xml version=\"1.0\" encoding=\"";
  static constexpr char tail[] = "\" standalone=\"no\"?>\r\n";
  AppendAscii(head, sizeof(head) - 1);
  AppendName(EncodingLabel);
  AppendAscii(tail, sizeof(tail) - 1);
}

void TXmlWriter::Begin(QStringView Name)
{
  CloseStartTag();
  Indent(Depth());
  AppendAscii("<", 1);
  const qsizetype offset = FBuf.size();
  AppendName(Name);
  FOpen.push_back({offset, FBuf.size() - offset});
  FStartTagOpen = true;
}

void TXmlWriter::End()
{
  if (FOpen.empty())
    return;
  const TOpen open = FOpen.back();
  FOpen.pop_back();
  if (FStartTagOpen) {
    AppendAscii("/>\r\n", 4);
    FStartTagOpen = false;
    return;
  }
  Indent(Depth());
  char* out = Grow(open.NameLength + 5);
  *out++ = '<';
  *out++ = '/';
  // Grow may have moved the buffer, so the name is read only after it.
  std::memcpy(out, FBuf.constData() + open.NameOffset, size_t(open.NameLength));
  out += open.NameLength;
  std::memcpy(out, ">\r\n", 3);
}

bool TXmlWriter::OpenLeaf(QStringView Name, bool Empty, qsizetype& NameOffset, qsizetype& NameLength)
{
  CloseStartTag();
  Indent(Depth());
  AppendAscii("<", 1);
  NameOffset = FBuf.size();
  AppendName(Name);
  NameLength = FBuf.size() - NameOffset;
  if (Empty) {
    AppendAscii("/>\r\n", 4);
    return false;
  }
  AppendAscii(">", 1);
  return true;
}

void TXmlWriter::CloseLeaf(qsizetype NameOffset, qsizetype NameLength)
{
  char* out = Grow(NameLength + 5);
  *out++ = '<';
  *out++ = '/';
  // Grow may have moved the buffer, so the name is read only after it.
  std::memcpy(out, FBuf.constData() + NameOffset, size_t(NameLength));
  out += NameLength;
  std::memcpy(out, ">\r\n", 3);
}

void TXmlWriter::Element(QStringView Name, QStringView Text)
{
  qsizetype nameOffset = 0, nameLength = 0;
  if (!OpenLeaf(Name, Text.isEmpty(), nameOffset, nameLength))
    return;
  const char16_t* s = Text.utf16();
  const char16_t* end = s + Text.size();
  while (s < end) {
    const char16_t* chunkEnd = s + std::min(KChunk, qsizetype(end - s));
    char* out = Grow(KMaxEscape * (chunkEnd - s));
    Shrink(EscapeUnits(s, chunkEnd, out));
    s = chunkEnd;
  }
  CloseLeaf(nameOffset, nameLength);
}

void TXmlWriter::CData(QStringView Text)
{
  CloseStartTag();
  Indent(Depth());
  AppendAscii("<![CDATA[", 9);
  FBuf.append(Text.toUtf8());
  AppendAscii("]]>\r\n", 5);
}

void TXmlWriter::CDataAscii(QByteArrayView Ascii)
{
  CloseStartTag();
  Indent(Depth());
  AppendAscii("<![CDATA[", 9);
  AppendAscii(Ascii.data(), Ascii.size());
  AppendAscii("]]>\r\n", 5);
}

void TXmlWriter::ElementAscii(QStringView Name, QByteArrayView Ascii)
{
  qsizetype nameOffset = 0, nameLength = 0;
  if (!OpenLeaf(Name, Ascii.isEmpty(), nameOffset, nameLength))
    return;
  AppendAscii(Ascii.data(), Ascii.size());
  CloseLeaf(nameOffset, nameLength);
}

void TXmlWriter::ElementInt(QStringView Name, long long Value)
{
  char digits[24];
  char* end = digits + sizeof digits;
  char* p = end;
  unsigned long long v = Value < 0 ? 0ULL - (unsigned long long)Value : (unsigned long long)Value;
  do {
    *--p = char('0' + v % 10);
    v /= 10;
  } while (v);
  if (Value < 0)
    *--p = '-';
  ElementAscii(Name, QByteArrayView(p, end - p));
}

QByteArray TXmlWriter::TakeBytes()
{
  while (!FOpen.empty())
    End();
  QByteArray out = std::move(FBuf);
  FBuf = QByteArray();
  FStartTagOpen = false;
  return out;
}

QString TXmlWriter::TakeString()
{
  return QString::fromUtf8(TakeBytes());
}
