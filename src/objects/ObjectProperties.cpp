// The property-list protocol of design objects: settings reported and applied as
// name=value lines, so that toolbars and dialogs serve a mixed selection alike.
#include "objects/DesignObject.h"

#include "model/TextHelpers.h"
#include "platform/NameValueList.h"

void TDesignObject::AddProperty(TNameValueList& List, bool Merging, const QString& Name, const QString& Value)
{
  if (!Merging) {
    List.Add(Name + u'=' + Value);
    return;
  }
  const int i = List.IndexOfName(Name);
  if (i >= 0 && List.ValueFromIndex(i) != Value)
    List.Delete(i);
}

void TDesignObject::GetPropertyList(TNameValueList& List, bool Merging)
{
  if (!Merging)
    List.Clear();
  auto add = [&](const char* name, const QString& value) {
    AddProperty(List, Merging, QString::fromLatin1(name), value);
  };
  auto num = [](long long v) { return QString::number(v); };
  add("FONTNAME", FFontName);
  add("FONTSIZE", num(FFontSize));
  add("FONTCOLOUR", num(FFontColour));
  add("FONTBOLD", BoolToDigit(FFontStyle & fsBold));
  add("FONTITALIC", BoolToDigit(FFontStyle & fsItalic));
  add("FONTUNDERLINE", BoolToDigit(FFontStyle & fsUnderline));
  add("IMAGEPATH", FImagePath);
  add("HALIGN", num(FHAlign));
  add("VALIGN", num(FVAlign));
  add("BORDERWIDTH", num(FBorderWidth));
  add("BORDERCOLOUR", num(FBorderColour));
  add("BORDERSTYLE", num(FBorderStyle));
  add("FILLCOLOUR", num(FFillColour));
  add("FILLSTYLE", num(FFillStyle));
  add("TEXT", FText);
  add("MARGIN", num(FTextMargin));
  add("ROTATION", num(FTextRotation));
  add("ELLIPSIS", BoolToDigit(FEllipsis));
  add("LEFT", num(Left()));
  add("TOP", num(Top()));
  add("WIDTH", num(Width()));
  add("HEIGHT", num(Height()));
  add("IMAGEMODE", num(FImageMode));
  add("WANTHTML", BoolToDigit(FWantHTML));
  add("EMBEDHTML", BoolToDigit(FEmbedHTML));
}

void TDesignObject::SetPropertyList(const TNameValueList& List)
{
  for (int i = 0; i < List.Count(); ++i) {
    const QString line = List.Strings(i);
    const qsizetype eq = line.indexOf(u'=');
    SetPropertyByName(eq < 0 ? line : line.left(eq), eq < 0 ? QString() : line.mid(eq + 1));
  }
}

void TDesignObject::SetPropertyByName(const QString& Name, const QString& Value)
{
  const int n = StrToIntLenient(Value);
  const bool b = StrToBoolean(Value);
  if (Name == u"LEFT") {
    SetLeft(n);
    UpdateStoreLeft();
  } else if (Name == u"TOP") {
    SetTop(n);
    UpdateStoreTop();
  } else if (Name == u"WIDTH") {
    SetWidth(n);
    UpdateStoreWidth();
  } else if (Name == u"HEIGHT") {
    SetHeight(n);
    UpdateStoreHeight();
  } else if (Name == u"BORDERSHAPE") {
    if (n >= 0 && n <= 6)
      SetBorderShape(TBorderShape(n));
  } else if (Name == u"BORDERWIDTH") {
    SetBorderWidth(n);
  } else if (Name == u"BORDERCOLOUR") {
    SetBorderColour(n);
  } else if (Name == u"BORDERSTYLE") {
    if (n >= 0 && n <= 6)
      SetBorderStyle(TPenStyle(n));
  } else if (Name == u"FILLCOLOUR") {
    SetFillColour(n);
  } else if (Name == u"FILLSTYLE") {
    if (n >= 0 && n <= 7)
      SetFillStyle(TBrushStyle(n));
  } else if (Name == u"FONTNAME") {
    SetFontName(Value);
  } else if (Name == u"FONTSIZE") {
    SetFontSize(n);
  } else if (Name == u"FONTCOLOUR") {
    FFontColour = n;
    Redraw();
  } else if (Name == u"FONTBOLD") {
    FFontStyle = b ? (FFontStyle | fsBold) : (FFontStyle & ~fsBold);
  } else if (Name == u"FONTITALIC") {
    FFontStyle = b ? (FFontStyle | fsItalic) : (FFontStyle & ~fsItalic);
  } else if (Name == u"ELLIPSIS") {
    SetEllipsis(b);
  } else if (Name == u"WORDWRAP") {
    SetWordWrap(b);
  } else if (Name == u"EXPANDTABS") {
    SetExpandTabs(b);
  } else if (Name == u"HALIGN") {
    if (n >= 0 && n <= 3)
      FHAlign = TAlignments(n);
  } else if (Name == u"VALIGN") {
    if (n >= 0 && n <= 2)
      FVAlign = TVerticalAlignment(n);
  } else if (Name == u"MARGIN") {
    SetTextMargin(n);
  } else if (Name == u"ROTATION") {
    SetTextRotation(n);
  } else if (Name == u"IMAGEPATH") {
    SetImagePath(Value);
  } else if (Name == u"IMAGETYPE") {
    FImageType = TDesignImageType(n);
  } else if (Name == u"IMAGE") {
    LoadEncodedImage(Value.toLatin1());
  } else if (Name == u"IMAGEMODE") {
    if (n >= 0 && n <= 2)
      SetImageMode(TImageMode(n));
  } else if (Name == u"WANTHTML") {
    FWantHTML = b;
  } else if (Name == u"EMBEDHTML") {
    FEmbedHTML = b;
  } else if (Name == u"Autosize") {
    FAutoSize = n;
  } else if (Name == u"TEXT") {
    SetText(Value);
  } else {
    SetExtPropertyByName(Name, Value);
  }
}

void TDesignObject::SetExtPropertyByName(const QString&, const QString&)
{
}
