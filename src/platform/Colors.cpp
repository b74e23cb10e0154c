#include "platform/Colors.h"

#include <QColor>

#include <iterator>

namespace {
// Fixed values for the system colour numbers 0..24 (the classic light desktop scheme);
// the desktop background is a neutral grey so that white pages stand out from it.
constexpr uint32_t kSystemRgb[] = {
  0xC8C8C8, // scroll bar
  0xA0A0A0, // desktop background
  0x99B4D1, // active caption
  0xBFCDDB, // inactive caption
  0xF0F0F0, // menu
  0xFFFFFF, // window
  0x646464, // window frame
  0x000000, // menu text
  0x000000, // window text
  0x000000, // caption text
  0xB4B4B4, // active border
  0xF4F7FC, // inactive border
  0xABABAB, // application workspace
  0x0078D7, // highlight
  0xFFFFFF, // highlight text
  0xF0F0F0, // button face
  0xA0A0A0, // button shadow
  0x6D6D6D, // grey text
  0x000000, // button text
  0x000000, // inactive caption text
  0xFFFFFF, // button highlight
  0x696969, // 3-D dark shadow
  0xE3E3E3, // 3-D light
  0x000000, // tooltip text
  0xFFFFE1, // tooltip background
};
} // namespace

QColor ColorToQColor(TColor c)
{
  if (c == clNone || c == clDefault)
    return QColor(0, 0, 0, 0);
  if (IsSystemColor(c)) {
    const uint32_t index = uint32_t(c) & 0xFFu;
    const uint32_t rgb = index < std::size(kSystemRgb) ? kSystemRgb[index] : 0u;
    return QColor(int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF));
  }
  const uint32_t v = uint32_t(c);
  return QColor(int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF));
}

TColor QColorToColor(const QColor& c)
{
  return RGBColor(c.red(), c.green(), c.blue());
}
