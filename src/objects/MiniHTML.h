#pragma once
// The mini-HTML renderer: lays out marked-up object text word by word inside a
// rectangle on a canvas, drawing it or only measuring it. It understands a small set of
// tags and keywords (bold, italic, underline, headings, DIV, P, BR, lists, PRE, font
// face, size, colour and weight, alignment) and the entities &amp; &lt; &gt; &quot;
// &apos; &nbsp;.
#include "platform/Colors.h"

#include <QString>

#include <vector>

class TCanvas;

// Horizontal placement of the text of a state.
enum THTMLAlign : int { haLeft = 0, haRight, haCentre };

// TRenderHTMLState: one entry of the renderer's style stack, the text style that an
// opening tag set up.
class TRenderHTMLState {
public:
  QString fontName = QStringLiteral("Arial"); // typeface outside preformatted mode
  int fontSize = 8;                           // points
  int fontStyle = 0;                          // TFontStyleBit bits
  TColor fontColor = clBlack;                 // text colour
  THTMLAlign align = haLeft;                  // placement of the lines of text
  bool preformat = false;                     // white space kept, drawn in the renderer's PreFontName
  bool list = false;                          // runs get a bullet and the list indent

  // Copies every field of AState into this state.
  void CopyFrom(const TRenderHTMLState& AState);
};

// TRenderMiniHTML: a short-lived renderer made for one drawHTML call. It owns its style
// stack (never empty; tags left open stay on it until the renderer goes) and never owns
// the canvas.
class TRenderMiniHTML {
public:
  // A stack with one default state; preformatted text in "Courier New".
  TRenderMiniHTML();

  // Lays Text out in the rectangle (x, y)-(x2, y2) starting from the canvas font, and
  // draws it unless SizingOnly. Stops at the first run that no longer fits vertically.
  // nx is the pen x after the last run, ny the pen y plus the last line height (so
  // ny - y is the height the text needs). Returns how far into Text the layout got
  // (a count of UTF-16 code units). Leaves the canvas font at the last applied state.
  int drawHTML(TCanvas* ACanvas, bool SizingOnly, int x, int y, int x2, int y2, const QString& Text, int& nx, int& ny);

  // Number of states on the style stack (at least 1).
  int StateCount() const { return int(FStates.size()); }
  // The state at Index, 0 being the top of the stack (the current state).
  const TRenderHTMLState& State(int Index) const { return FStates[FStates.size() - 1 - size_t(Index)]; }

  // Typeface of preformatted text.
  const QString& PreFontName() const { return FPreFontName; }
  void SetPreFontName(const QString& Value) { FPreFontName = Value; }

private:
  // The stack with its top at the back, so that deep nesting stays cheap.
  std::vector<TRenderHTMLState> FStates;
  QString FPreFontName = QStringLiteral("Courier New");
};
