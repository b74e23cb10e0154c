#include "platform/Base64.h"

#include <array>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<signed char, 256> MakeTable()
{
  std::array<signed char, 256> t{};
  for (auto& v : t)
    v = -1;
  for (int i = 0; i < 64; ++i)
    t[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
  return t;
}
constexpr std::array<signed char, 256> kTable = MakeTable();

} // namespace

QByteArray Base64Encode(QByteArrayView Data)
{
  return QByteArray::fromRawData(Data.data(), Data.size()).toBase64();
}

bool Base64Decode(QByteArrayView Text, QByteArray& Out, QString& Error)
{
  const auto* s = reinterpret_cast<const unsigned char*>(Text.data());
  qsizetype n = Text.size();
  if (n % 4 != 0) {
    Error = QStringLiteral("the text length %1 is not a multiple of 4").arg(n);
    return false;
  }
  int pad = 0;
  if (n > 0 && s[n - 1] == '=')
    ++pad;
  if (n > 1 && s[n - 2] == '=')
    ++pad;
  Out.resize(n / 4 * 3 - pad);
  auto* o = reinterpret_cast<unsigned char*>(Out.data());
  const qsizetype full = pad ? n - 4 : n;
  for (qsizetype i = 0; i < full; i += 4) {
    const int a = kTable[s[i]], b = kTable[s[i + 1]], c = kTable[s[i + 2]], d = kTable[s[i + 3]];
    if ((a | b | c | d) < 0) {
      Error = QStringLiteral("an invalid character near position %1").arg(i + 1);
      Out.clear();
      return false;
    }
    const unsigned v = unsigned(a) << 18 | unsigned(b) << 12 | unsigned(c) << 6 | unsigned(d);
    *o++ = static_cast<unsigned char>(v >> 16);
    *o++ = static_cast<unsigned char>(v >> 8);
    *o++ = static_cast<unsigned char>(v);
  }
  if (pad) {
    const qsizetype i = n - 4;
    const int a = kTable[s[i]], b = kTable[s[i + 1]];
    const int c = pad == 2 ? 0 : kTable[s[i + 2]];
    if ((a | b | c) < 0) {
      Error = QStringLiteral("an invalid character near position %1").arg(i + 1);
      Out.clear();
      return false;
    }
    const unsigned v = unsigned(a) << 18 | unsigned(b) << 12 | unsigned(c) << 6;
    *o++ = static_cast<unsigned char>(v >> 16);
    if (pad == 1)
      *o++ = static_cast<unsigned char>(v >> 8);
  }
  return true;
}
