// The XML form of design objects: one "DesignObject" element per object, in layout
// files, on the clipboard and in the undo history.
#include "format/ObjectFactory.h"
#include "format/XmlValues.h"
#include "model/Surface.h"
#include "objects/DesignImage.h"
#include "objects/DesignObject.h"
#include "platform/XmlReader.h"
#include "platform/XmlWriter.h"

#include <cstring>

namespace {

void WritePropList(TXmlWriter& W, const TDesignPropList& List)
{
  W.Begin(u"AdditionalProperties");
  for (int i = 0; i < List.Count(); ++i)
    W.Element(List.GetKey(i), List.GetValue(i));
  W.End();
}

} // namespace

void WritePropListXML(TXmlWriter& W, const TDesignPropList& List)
{
  WritePropList(W, List);
}

void ReadPropListXML(const TXmlElement& Node, TDesignPropList& List)
{
  if (Node.ChildCount() == 0) {
    List.Clear();
    return;
  }
  for (TXmlElement c = Node.FirstChild(); !c.IsNull(); c = c.NextSibling())
    List.Add(c.Name(), c.Text());
}

void TDesignObject::ToXML(TXmlWriter& W)
{
  W.Element(u"TYPE", ClassName());
  W.ElementInt(u"LEFT", FStoreLeft);
  W.ElementInt(u"TOP", FStoreTop);
  W.ElementInt(u"WIDTH", FStoreWidth);
  W.ElementInt(u"HEIGHT", FStoreHeight);
  W.ElementInt(u"BORDERSHAPE", FBorderShape);
  W.ElementInt(u"BORDERWIDTH", FBorderWidth);
  W.ElementInt(u"BORDERCOLOUR", FBorderColour);
  W.ElementInt(u"BORDERSTYLE", FBorderStyle);
  W.ElementInt(u"FILLCOLOUR", FFillColour);
  W.ElementInt(u"FILLSTYLE", FFillStyle);
  W.Element(u"TEXT", FText);
  W.Element(u"FONTNAME", FFontName);
  W.ElementInt(u"FONTSIZE", FFontSize);
  W.ElementAscii(u"FONTBOLD", XmlBoolText(FFontStyle & fsBold));
  W.ElementAscii(u"FONTITALIC", XmlBoolText(FFontStyle & fsItalic));
  W.ElementAscii(u"FONTUNDERLINE", XmlBoolText(FFontStyle & fsUnderline));
  W.ElementInt(u"FONTCOLOUR", FFontColour);
  W.ElementAscii(u"ELLIPSIS", XmlBoolText(FEllipsis));
  W.ElementAscii(u"WORDWRAP", XmlBoolText(FWordWrap));
  W.ElementInt(u"MARGIN", FTextMargin);
  W.ElementInt(u"ROTATION", FTextRotation);
  W.ElementInt(u"HALIGN", FHAlign);
  W.ElementInt(u"VALIGN", FVAlign);
  if (FHasImage && FImage) {
    W.ElementInt(u"IMAGETYPE", FImageType);
    W.Element(u"IMAGEPATH", FImagePath);
    W.ElementAscii(u"IMAGE", FImage->GetEncodedImage());
  }
  W.ElementInt(u"IMAGEMODE", FImageMode);
  if (FPropList.Count() > 0)
    WritePropList(W, FPropList);
  W.ElementAscii(u"WANTHTML", XmlBoolText(FWantHTML));
  W.ElementAscii(u"EMBEDHTML", XmlBoolText(FEmbedHTML));
  W.ElementInt(u"Autosize", FAutoSize);
  PropertiesToXML(W);
}

void TDesignObject::PropertiesToXML(TXmlWriter&)
{
}

void TDesignObject::PropertiesFromXML(const TXmlElement&)
{
}

void TDesignObject::FromXML(const TXmlElement& Node)
{
  Loading = true;
  for (TXmlElement c = Node.FirstChild(); !c.IsNull(); c = c.NextSibling()) {
    if (c.IsCData())
      continue;
    const char* name = c.NameUtf8();
    const QByteArrayView raw = c.TextUtf8();
    auto is = [name](const char* n) { return std::strcmp(name, n) == 0; };
    const int n = XmlInt(raw);
    // The common settings that no kind reads itself.
    if (is("LEFT"))
      SetStoreLeft(n);
    else if (is("TOP"))
      SetStoreTop(n);
    else if (is("WIDTH"))
      SetStoreWidth(n);
    else if (is("HEIGHT"))
      SetStoreHeight(n);
    else if (is("TEXT"))
      FText = c.Text();
    else if (is("BORDERSHAPE")) {
      if (n >= 0 && n <= 6)
        FBorderShape = TBorderShape(n);
    } else if (is("BORDERWIDTH"))
      FBorderWidth = n;
    else if (is("BORDERCOLOUR"))
      FBorderColour = n;
    else if (is("BORDERSTYLE")) {
      if (n >= 0 && n <= 6)
        FBorderStyle = TPenStyle(n);
    } else if (is("FILLCOLOUR"))
      FFillColour = n;
    else if (is("FILLSTYLE")) {
      if (n >= 0 && n <= 7)
        FFillStyle = TBrushStyle(n);
    } else if (is("FONTNAME"))
      SetFontName(c.Text());
    else if (is("FONTSIZE"))
      FFontSize = n;
    else if (is("FONTCOLOUR"))
      FFontColour = n;
    else if (is("ELLIPSIS"))
      FEllipsis = XmlBool(raw);
    else if (is("WORDWRAP"))
      FWordWrap = XmlBool(raw);
    else if (is("EXPANDTABS"))
      FExpandTabs = XmlBool(raw);
    else if (is("HALIGN")) {
      if (n >= 0 && n <= 3)
        FHAlign = TAlignments(n);
    } else if (is("VALIGN")) {
      if (n >= 0 && n <= 2)
        FVAlign = TVerticalAlignment(n);
    } else if (is("MARGIN"))
      FTextMargin = n;
    else if (is("ROTATION"))
      FTextRotation = n;
    else {
      // Settings that kinds may also read: applied here, then offered to the kind.
      if (is("FONTBOLD"))
        FFontStyle = XmlBool(raw) ? (FFontStyle | fsBold) : (FFontStyle & ~fsBold);
      else if (is("FONTITALIC"))
        FFontStyle = XmlBool(raw) ? (FFontStyle | fsItalic) : (FFontStyle & ~fsItalic);
      else if (is("FONTUNDERLINE"))
        FFontStyle = XmlBool(raw) ? (FFontStyle | fsUnderline) : (FFontStyle & ~fsUnderline);
      else if (is("IMAGETYPE"))
        FImageType = TDesignImageType(n);
      else if (is("IMAGEPATH")) {
        const QString path = c.Text();
        if (!path.isEmpty())
          FImagePath = path;
      } else if (is("IMAGE")) {
        const QByteArray text = raw.toByteArray().trimmed();
        if (!text.isEmpty()) {
          try {
            LoadEncodedImage(text);
          } catch (const EDesignImageError& e) {
            // One broken picture does not end the reading of everything else.
            TReadReport::Warn(e.Message());
          }
        }
      } else if (is("IMAGEMODE")) {
        if (n >= 0 && n <= 2)
          FImageMode = TImageMode(n);
      } else if (is("WANTHTML"))
        FWantHTML = XmlBool(raw);
      else if (is("EMBEDHTML"))
        FEmbedHTML = XmlBool(raw);
      else if (is("AdditionalProperties"))
        ReadPropListXML(c, FPropList);
      else if (is("Autosize"))
        FAutoSize = n;
      PropertiesFromXML(c);
    }
  }
  Loading = false;
  RefreshObject();
}

QByteArray TDesignObject::ToXMLBytes2()
{
  TXmlWriter w;
  w.Declaration();
  w.Begin(u"DesignObject");
  ToXML(w);
  w.End();
  return w.TakeBytes();
}

QString TDesignObject::ToXMLString2()
{
  return QString::fromUtf8(ToXMLBytes2());
}

bool TDesignObject::FromXMLString2(const QString& Value)
{
  TXmlDocument doc;
  if (!doc.Parse(Value).Ok)
    return false;
  FromXML(doc.Root());
  return true;
}

// --- The surface's object lists ------------------------------------------------------------

void TDesignSurface::ControlsToXML(TXmlWriter& W, bool SelectedOnly)
{
  W.Begin(u"DesignObjects");
  for (TDesignObject* obj : FCtrls) {
    if (SelectedOnly && obj->SelectMode() == smNone)
      continue;
    W.Begin(u"DesignObject");
    obj->ToXML(W);
    W.End();
  }
  W.End();
}

TDesignObject* TDesignSurface::ControlFromXML(const TXmlElement& Node, bool Selecting)
{
  const TXmlElement first = Node.FirstChild();
  if (first.IsNull())
    throw EDesignReadError(QStringLiteral("A \"DesignObject\" element has no children, so the kind of object it "
                                          "holds is unknown."));
  const QString className = first.Text();
  TDesignObject* obj = nullptr;
  if (OnCreateObjectByName)
    OnCreateObjectByName(this, className, obj);
  if (!obj)
    obj = DesignObjectFromClassName(className);
  AddControl(obj);
  obj->FromXML(Node);
  if (Selecting)
    obj->SetSelectMode(smAny);
  return obj;
}

void TDesignSurface::ControlsFromXML(const TXmlElement& Node, bool Selecting)
{
  for (TXmlElement c = Node.FirstChild(); !c.IsNull(); c = c.NextSibling())
    if (c.NameIs("DesignObject"))
      ControlFromXML(c, Selecting);
}

void TDesignSurface::ControlsToXMLString(QString& Value, bool SelectedOnly)
{
  TXmlWriter w;
  w.Declaration();
  ControlsToXML(w, SelectedOnly);
  Value = w.TakeString();
}

bool TDesignSurface::ControlsFromXMLString(const QString& Value)
{
  TXmlDocument doc;
  if (!doc.Parse(Value).Ok)
    return false;
  TXmlElement root = doc.Root();
  if (!root.NameIs("DesignObjects")) {
    TXmlElement found;
    for (TXmlElement c = root.FirstChild(); !c.IsNull(); c = c.NextSibling())
      if (c.NameIs("DesignObjects")) {
        found = c;
        break;
      }
    root = found;
  }
  if (root.IsNull())
    return true;
  ControlsFromXML(root, true);
  return true;
}

bool TDesignSurface::ControlFromXMLString(const QString& Value)
{
  TXmlDocument doc;
  if (!doc.Parse(Value).Ok)
    return false;
  if (doc.Root().NameIs("DesignObject"))
    ControlFromXML(doc.Root(), true);
  return true;
}
