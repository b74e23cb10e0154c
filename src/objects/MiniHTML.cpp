#include "objects/MiniHTML.h"

#include "model/TextHelpers.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <iterator>

namespace {

// Pixels between a list bullet's left edge and the text of the item.
constexpr int kListIndent = 10;

struct TColourName {
  const char* Name;
  TColor Value;
};

// The toolkit's colour identifiers that colour text may name.
constexpr TColourName kColourNames[] = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
};

int HexDigit(QChar c)
{
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9')
    return u - u'0';
  if (u >= u'a' && u <= u'f')
    return u - u'a' + 10;
  if (u >= u'A' && u <= u'F')
    return u - u'A' + 10;
  return -1;
}

// The value of a FONT-COLOR keyword: empty is black; "cl..." a toolkit colour name (any
// letter case); "#RRGGBB" hexadecimal red, green and blue (anything after them ignored);
// otherwise a decimal colour value (0x00BBGGRR, so 255 is red).
// Colour text we cannot read ("#12", "#GG0000", "clNoSuchColour", "red") gives black: a
// mistyped colour in one object must not abort the drawing of the whole page.
TColor ColourFromText(const QString& S)
{
  if (S.isEmpty())
    return clBlack;
  if (S.size() >= 2 && S.left(2).compare(QLatin1String("CL"), Qt::CaseInsensitive) == 0) {
    for (const TColourName& c : kColourNames) {
      if (S.compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0)
        return c.Value;
    }
    return clBlack;
  }
  if (S.startsWith(u'#')) {
    if (S.size() < 7)
      return clBlack;
    int rgb[3];
    for (int k = 0; k < 3; ++k) {
      const int hi = HexDigit(S.at(1 + 2 * k)), lo = HexDigit(S.at(2 + 2 * k));
      if (hi < 0 || lo < 0)
        return clBlack;
      rgb[k] = hi * 16 + lo;
    }
    return RGBColor(rgb[0], rgb[1], rgb[2]);
  }
  bool ok = false;
  const int v = S.toInt(&ok, 10);
  return ok ? TColor(v) : clBlack;
}

// A name made only of the letters B, I and U (BI, UB, BIU...) that contains Letter.
bool StyleNameHas(const QString& Name, QChar Letter)
{
  if (Name.isEmpty())
    return false;
  for (const QChar c : Name) {
    if (c != u'B' && c != u'I' && c != u'U')
      return false;
  }
  return Name.contains(Letter);
}

// The character an entity name (upper case) stands for.
bool EntityChar(const QString& Name, QChar& Char)
{
  static const struct {
    const char* Name;
    char16_t Char;
  } kEntities[] = {{"AMP", u'&'}, {"LT", u'<'}, {"GT", u'>'}, {"QUOT", u'"'}, {"APOS", u'\''}, {"NBSP", u' '}};
  for (const auto& e : kEntities) {
    if (Name == QLatin1String(e.Name)) {
      Char = QChar(e.Char);
      return true;
    }
  }
  return false;
}

// The working data and steps of one drawHTML call. The layout flows runs from left to
// right and breaks lines greedily; the runs of a line are kept until the line ends and
// are then positioned and drawn together, so that right and centre alignment apply to
// the line as a whole.
class THTMLLayout {
public:
  THTMLLayout(std::vector<TRenderHTMLState>& States, const QString& PreFontName, TCanvas* Canvas, bool SizingOnly,
              int X, int Y, int X2, int Y2, const QString& Text)
      : FStates(States)
      , FPreFontName(PreFontName)
      , FCanvas(Canvas)
      , FSizingOnly(SizingOnly)
      , FX(X)
      , FX2(X2)
      , FY2(Y2)
      , FText(Text)
      , FPenX(X)
      , FPenY(Y)
  {}

  int Run(int& nx, int& ny);

private:
  // A run placed on the current line, waiting to be drawn.
  struct TLineRun {
    QString Text;
    TFont Font;
    int FlowX = 0; // pen x at placement
    int DrawX = 0; // after aligning the line
    int Width = 0;
    int Height = 0;
    THTMLAlign Align = haLeft;
    bool List = false;
    bool Bullet = false;
  };

  TRenderHTMLState& Current() { return FStates.back(); }
  bool Pre() { return Current().preformat; }
  QString& Target() { return Pre() ? FRun : FWord; }
  // The right edge that runs of the current state must keep to.
  int Edge() { return Current().list ? FX2 - kListIndent : FX2; }
  TFont StateFont();
  void ApplyFont() { FCanvas->Font() = StateFont(); }
  void SkipSpaces();
  void Entity();
  void Tag();
  void OpeningTag(const QString& Raw);
  void ClosingTag(const QString& Raw);
  void AddWord();
  void Flush();
  void PlaceRun();
  void NewLine();
  void CloseLine();

  std::vector<TRenderHTMLState>& FStates;
  const QString& FPreFontName;
  TCanvas* FCanvas;
  const bool FSizingOnly;
  const int FX, FX2, FY2;
  const QString& FText;
  int FI = 1; // 1-based index of the character being read
  int FPenX, FPenY;
  int FLineHeight = 0;
  QString FWord, FRun;
  bool FPendingBreak = false;
  bool FAtLineStart = true;
  bool FPlaced = false;
  bool FStop = false;
  bool FBulletDue = false; // a list item began and has not drawn its bullet yet
  int FConsumed = 0;
  std::vector<TLineRun> FLine;
  int FLineRight = 0; // right end of the last line drawn
};

TFont THTMLLayout::StateFont()
{
  const TRenderHTMLState& s = Current();
  TFont f = FCanvas->Font();
  f.Name = s.preformat ? FPreFontName : s.fontName;
  f.Size = s.fontSize;
  f.Color = s.fontColor;
  f.Style = s.fontStyle;
  return f;
}

int THTMLLayout::Run(int& nx, int& ny)
{
  const TFont& entry = FCanvas->Font();
  TRenderHTMLState& top = Current();
  top.fontName = entry.Name;
  top.fontSize = entry.Size;
  top.fontColor = entry.Color;
  top.fontStyle = entry.Style;
  FLineHeight = FCanvas->TextHeight(QStringLiteral("Ag"));

  const int len = int(FText.size());
  for (FI = 1; !FStop && FI <= len; ++FI) {
    const QChar c = FText.at(FI - 1);
    switch (c.unicode()) {
    case u'&':
      Entity();
      break;
    case u'<':
      Tag();
      break;
    case 0x00FC:
    case 0x00FD:
      // Value and subvalue marks of multi-value fields end a line.
      ++FConsumed;
      Flush();
      NewLine();
      break;
    case u' ':
    case u'\t':
      if (Pre()) {
        FRun += c;
      } else {
        if (!FAtLineStart) {
          FWord += c;
          AddWord();
        }
        SkipSpaces();
      }
      FAtLineStart = false;
      break;
    case u'\n':
    case u'\r':
      ++FConsumed;
      if (c == u'\r' && Pre()) {
        Flush();
        NewLine();
      }
      break;
    default:
      Target() += c;
      FAtLineStart = false;
      break;
    }
  }
  // The last run counts as placed at the last character of the text.
  FI = len;
  Flush();
  const bool lineOpen = !FLine.empty();
  CloseLine();
  nx = lineOpen ? FLineRight : FPenX;
  ny = FPenY + FLineHeight;
  return FConsumed;
}

void THTMLLayout::SkipSpaces()
{
  while (FI < int(FText.size()) && FText.at(FI) == u' ') {
    ++FI;
    ++FConsumed;
  }
}

void THTMLLayout::Entity()
{
  const int len = int(FText.size());
  int j = FI + 1;
  QString name;
  while (j <= len && FText.at(j - 1) != u';' && name.size() < 5) {
    name += FText.at(j - 1);
    ++j;
  }
  name = name.toUpper();
  QChar ch;
  const bool known = EntityChar(name, ch);
  if (!known && !name.isEmpty()) {
    // Not an entity: the "&" is text and what follows it is read again.
    Target() += u'&';
    return;
  }
  if (known)
    Target() += ch;
  FI = (j <= len && FText.at(j - 1) == u';') ? j : j - 1;
}

void THTMLLayout::Tag()
{
  const int len = int(FText.size());
  ++FConsumed;
  const qsizetype close = FText.indexOf(u'>', FI);
  const qsizetype end = close < 0 ? len : close;
  const QString raw = FText.mid(FI, end - FI);
  FConsumed += int(raw.size());
  if (close >= 0) {
    ++FConsumed;
    FI = int(close) + 1;
  } else {
    FI = len;
  }

  const QString key = raw.toUpper().remove(u'/');
  Flush();
  if (key == QLatin1String("BR") || key == QLatin1String("P"))
    FPendingBreak = true;
  else if (raw.startsWith(u'/'))
    ClosingTag(raw);
  else
    OpeningTag(raw);

  if (FPendingBreak) {
    // A block element at the very start of the text adds no empty line.
    if (FPlaced)
      NewLine();
    else
      FPendingBreak = false;
  }
  if (!Pre() && FAtLineStart)
    SkipSpaces();
}

void THTMLLayout::ClosingTag(const QString& Raw)
{
  if (FStates.size() > 1)
    FStates.pop_back();
  QString name = Raw.mid(1);
  const qsizetype space = name.indexOf(u' ');
  if (space >= 0)
    name.truncate(space);
  name = name.toUpper();
  static const char* const kBlocks[] = {"H1", "H2", "H3", "H4", "DIV", "UL", "BR"};
  for (const char* b : kBlocks) {
    if (name == QLatin1String(b))
      FPendingBreak = true;
  }
}

void THTMLLayout::OpeningTag(const QString& Raw)
{
  bool pushed = false;
  // The state this tag changes: pushed (a copy of the current one) on first use.
  auto state = [&]() -> TRenderHTMLState& {
    if (!pushed) {
      TRenderHTMLState copy;
      copy.CopyFrom(Current());
      FStates.push_back(std::move(copy));
      pushed = true;
    }
    return Current();
  };
  auto heading = [&](int Size, int Style) {
    TRenderHTMLState& s = state();
    s.fontSize = Size;
    s.fontColor = RGBColor(0, 0, 255);
    s.fontStyle = Style;
    FPendingBreak = true;
  };

  const int len = int(Raw.size());
  int pos = 1;
  while (pos <= len) {
    const QString token = ExtractToken(Raw, pos, u' ');
    if (token.isEmpty())
      break;
    const qsizetype eq = token.indexOf(u'=');
    const QString name = (eq < 0 ? token : token.left(eq)).toUpper();
    QString value = eq < 0 ? QString() : token.mid(eq + 1);
    if (!value.isEmpty() && (value.front() == u'"' || value.front() == u'\'')) {
      // A quoted value takes the following tokens up to its closing quote.
      while ((value.size() < 2 || value.back() != value.front()) && pos <= len)
        value += u' ' + ExtractToken(Raw, pos, u' ');
      if (value.size() >= 2 && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
      else
        value = value.mid(1); // the tag ended before the closing quote
    }

    if (StyleNameHas(name, u'B'))
      state().fontStyle |= fsBold;
    if (StyleNameHas(name, u'I'))
      state().fontStyle |= fsItalic;
    if (StyleNameHas(name, u'U'))
      state().fontStyle |= fsUnderline;
    if (name == QLatin1String("UL") || name == QLatin1String("LI")) {
      state().list = true;
      FPendingBreak = true;
      FBulletDue = true;
    }
    if (name == QLatin1String("PRE"))
      state().preformat = true;
    if (name == QLatin1String("H1"))
      heading(16, 0);
    if (name == QLatin1String("H2"))
      heading(14, 0);
    if (name == QLatin1String("H3"))
      heading(12, fsBold | fsUnderline);
    if (name == QLatin1String("H4"))
      heading(10, fsBold | fsUnderline);
    if (name == QLatin1String("DIV")) {
      state();
      FPendingBreak = true;
    }
    if (name == QLatin1String("ALIGN") || name == QLatin1String("TA")) {
      const QString v = value.toUpper();
      state().align = v == QLatin1String("RIGHT")                                      ? haRight
                      : (v == QLatin1String("CENTRE") || v == QLatin1String("CENTER")) ? haCentre
                                                                                       : haLeft;
    }
    if (name == QLatin1String("FONT-SIZE") || name == QLatin1String("FS"))
      state().fontSize = StrToIntLenient(value);
    if (name == QLatin1String("FONT-FAMILY") || name == QLatin1String("FF"))
      state().fontName = value;
    if (name == QLatin1String("FONT-COLOR") || name == QLatin1String("FC"))
      state().fontColor = ColourFromText(value);
    if (name == QLatin1String("FONT-WEIGHT") || name == QLatin1String("FW")) {
      if (value.toUpper() == QLatin1String("BOLD"))
        state().fontStyle |= fsBold;
      else
        state().fontStyle &= ~fsBold;
    }
    if (name == QLatin1String("BR"))
      NewLine();
  }
}

void THTMLLayout::AddWord()
{
  ApplyFont();
  if (FWord.isEmpty())
    return;
  if (!FRun.isEmpty() && qint64(FPenX) + FCanvas->TextWidth(FRun + FWord) > Edge()) {
    PlaceRun();
    FRun = FWord;
  } else {
    FRun += FWord;
  }
  FWord.clear();
}

void THTMLLayout::Flush()
{
  ApplyFont();
  if (!FWord.isEmpty() && !FRun.isEmpty() && qint64(FPenX) + FCanvas->TextWidth(FRun + FWord) > Edge()) {
    PlaceRun();
    FRun = FWord;
  } else {
    FRun += FWord;
  }
  PlaceRun();
  FRun.clear();
  FWord.clear();
}

void THTMLLayout::PlaceRun()
{
  if (FStop)
    return;
  ApplyFont();
  if (FRun.isEmpty())
    return;
  const int w = FCanvas->TextWidth(FRun);
  const int h = FCanvas->TextHeight(FRun);
  if (qint64(FPenY) + h > FY2) {
    FStop = true;
    return;
  }
  const bool list = Current().list;
  // A run that does not fit on the rest of the line moves to the next one. A list run
  // already at the start of its line stays there, since a new line gives it no more room.
  const bool wrap = list ? !FLine.empty() && qint64(FPenX) + w > Edge() : qint64(FPenX) + w > FX2;
  if (wrap) {
    // The moved run must fit below as a whole, like a run on the current line.
    const qint64 nextY = qint64(FPenY) + FLineHeight;
    if (nextY + h > FY2) {
      FStop = true;
      return;
    }
    CloseLine();
    FPenY = int(nextY);
    FPenX = FX;
  }
  TLineRun r;
  r.Text = FRun;
  r.Font = StateFont();
  r.FlowX = FPenX;
  r.Width = w;
  r.Height = h;
  r.Align = list ? haLeft : Current().align;
  r.List = list;
  r.Bullet = list && FBulletDue;
  if (list)
    FBulletDue = false;
  FLine.push_back(std::move(r));
  FPenX += w;
  FLineHeight = h;
  FConsumed = FI;
  FRun.clear();
  FPlaced = true;
}

void THTMLLayout::NewLine()
{
  // Once the text has run out of room the position reached stays where it is.
  if (FStop)
    return;
  CloseLine();
  FPenY += FLineHeight;
  FPenX = FX;
  if (FPenY > FY2)
    FStop = true;
  FPendingBreak = false;
  FAtLineStart = true;
}

void THTMLLayout::CloseLine()
{
  if (FLine.empty())
    return;
  // Consecutive runs of one alignment form a group. A left group follows on from what
  // precedes it; a right group ends where the rest of the line still fits before the
  // right edge; a centre group is centred in the rectangle. No group starts before the
  // end of the previous one (nor, at the start of a line, before the left edge).
  const size_t n = FLine.size();
  std::vector<int> after(n + 1, 0); // width of the runs from k to the end of the line
  for (size_t k = n; k-- > 0;)
    after[k] = after[k + 1] + FLine[k].Width;
  int cursor = FLine.front().FlowX;
  for (size_t a = 0; a < n;) {
    size_t b = a + 1;
    while (b < n && FLine[b].Align == FLine[a].Align)
      ++b;
    const int width = after[a] - after[b];
    const int latest = FX2 - after[a];
    int start = cursor;
    if (FLine[a].Align == haRight)
      start = latest;
    else if (FLine[a].Align == haCentre)
      start = std::min(FX + (FX2 - FX - width) / 2, latest);
    start = std::max(start, cursor);
    for (size_t k = a; k < b; ++k)
      FLine[k].DrawX = FLine[k].FlowX + (start - FLine[a].FlowX);
    cursor = start + width;
    a = b;
  }
  FLineRight = cursor;

  if (!FSizingOnly) {
    for (const TLineRun& r : FLine) {
      FCanvas->Font() = r.Font;
      if (r.Bullet) {
        const int c = FPenY + r.Height / 2;
        FCanvas->Ellipse(r.DrawX, c - 2, r.DrawX + 4, c + 2);
      }
      FCanvas->TextOut(r.List ? r.DrawX + kListIndent : r.DrawX, FPenY, r.Text);
    }
    ApplyFont();
  }
  FLine.clear();
}

} // namespace

void TRenderHTMLState::CopyFrom(const TRenderHTMLState& AState)
{
  *this = AState;
}

TRenderMiniHTML::TRenderMiniHTML()
{
  FStates.emplace_back();
}

int TRenderMiniHTML::drawHTML(TCanvas* ACanvas, bool SizingOnly, int x, int y, int x2, int y2, const QString& Text,
                              int& nx, int& ny)
{
  THTMLLayout layout(FStates, FPreFontName, ACanvas, SizingOnly, x, y, x2, y2, Text);
  return layout.Run(nx, ny);
}
