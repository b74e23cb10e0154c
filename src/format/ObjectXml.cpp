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

namespace {

enum TObjectElement {
  eOther, eLEFT, eTOP, eWIDTH, eHEIGHT, eTEXT, eBORDERSHAPE, eBORDERWIDTH, eBORDERCOLOUR, eBORDERSTYLE, eFILLCOLOUR,
  eFILLSTYLE, eFONTNAME, eFONTSIZE, eFONTCOLOUR, eELLIPSIS, eWORDWRAP, eEXPANDTABS, eHALIGN, eVALIGN, eMARGIN,
  eROTATION, eFONTBOLD, eFONTITALIC, eFONTUNDERLINE, eIMAGETYPE, eIMAGEPATH, eIMAGE, eIMAGEMODE, eWANTHTML,
  eEMBEDHTML, eAdditionalProperties, eAutosize,
};

// The common element an object element's name stands for (exact comparison). Names are
// told apart by their length first, so each costs one or two short comparisons.
TObjectElement ObjectElementOf(const char* Name)
{
  const size_t length = std::strlen(Name);
  auto is = [&](const char* Candidate) { return std::memcmp(Name, Candidate, length) == 0; };
  switch (length) {
  case 3:
    if (is("TOP"))
      return eTOP;
    break;
  case 4:
    if (is("LEFT"))
      return eLEFT;
    if (is("TEXT"))
      return eTEXT;
    break;
  case 5:
    if (is("WIDTH"))
      return eWIDTH;
    if (is("IMAGE"))
      return eIMAGE;
    break;
  case 6:
    if (is("HEIGHT"))
      return eHEIGHT;
    if (is("HALIGN"))
      return eHALIGN;
    if (is("VALIGN"))
      return eVALIGN;
    if (is("MARGIN"))
      return eMARGIN;
    break;
  case 8:
    if (is("FONTNAME"))
      return eFONTNAME;
    if (is("FONTSIZE"))
      return eFONTSIZE;
    if (is("ELLIPSIS"))
      return eELLIPSIS;
    if (is("WORDWRAP"))
      return eWORDWRAP;
    if (is("ROTATION"))
      return eROTATION;
    if (is("FONTBOLD"))
      return eFONTBOLD;
    if (is("WANTHTML"))
      return eWANTHTML;
    if (is("Autosize"))
      return eAutosize;
    break;
  case 9:
    if (is("FILLSTYLE"))
      return eFILLSTYLE;
    if (is("IMAGETYPE"))
      return eIMAGETYPE;
    if (is("IMAGEPATH"))
      return eIMAGEPATH;
    if (is("IMAGEMODE"))
      return eIMAGEMODE;
    if (is("EMBEDHTML"))
      return eEMBEDHTML;
    break;
  case 10:
    if (is("FILLCOLOUR"))
      return eFILLCOLOUR;
    if (is("FONTCOLOUR"))
      return eFONTCOLOUR;
    if (is("EXPANDTABS"))
      return eEXPANDTABS;
    if (is("FONTITALIC"))
      return eFONTITALIC;
    break;
  case 11:
    if (is("BORDERSHAPE"))
      return eBORDERSHAPE;
    if (is("BORDERWIDTH"))
      return eBORDERWIDTH;
    if (is("BORDERSTYLE"))
      return eBORDERSTYLE;
    break;
  case 12:
    if (is("BORDERCOLOUR"))
      return eBORDERCOLOUR;
    break;
  case 13:
    if (is("FONTUNDERLINE"))
      return eFONTUNDERLINE;
    break;
  case 20:
    if (is("AdditionalProperties"))
      return eAdditionalProperties;
    break;
  default: break;
  }
  return eOther;
}

int SetBit(int Style, int Bit, bool On)
{
  return On ? (Style | Bit) : (Style & ~Bit);
}

} // namespace

void TDesignObject::FromXML(const TXmlElement& Node)
{
  Loading = true;
  // Position and size are gathered and applied once at the end, in the order read.
  bool storeSet[4] = {false, false, false, false};
  int store[4] = {FStoreLeft, FStoreTop, FStoreWidth, FStoreHeight};
  for (TXmlElement c = Node.FirstChild(); !c.IsNull(); c = c.NextSibling()) {
    if (c.IsCData())
      continue;
    const TObjectElement e = ObjectElementOf(c.NameUtf8());
    const QByteArrayView raw = c.TextUtf8();
    // The common settings that no kind reads itself.
    switch (e) {
    case eLEFT: store[0] = XmlInt(raw), storeSet[0] = true; continue;
    case eTOP: store[1] = XmlInt(raw), storeSet[1] = true; continue;
    case eWIDTH: store[2] = XmlInt(raw), storeSet[2] = true; continue;
    case eHEIGHT: store[3] = XmlInt(raw), storeSet[3] = true; continue;
    case eTEXT: FText = c.Text(); continue;
    case eBORDERSHAPE: {
      const int n = XmlInt(raw);
      if (n >= 0 && n <= 6)
        FBorderShape = TBorderShape(n);
      continue;
    }
    case eBORDERWIDTH: FBorderWidth = XmlInt(raw); continue;
    case eBORDERCOLOUR: FBorderColour = XmlInt(raw); continue;
    case eBORDERSTYLE: {
      const int n = XmlInt(raw);
      if (n >= 0 && n <= 6)
        FBorderStyle = TPenStyle(n);
      continue;
    }
    case eFILLCOLOUR: FFillColour = XmlInt(raw); continue;
    case eFILLSTYLE: {
      const int n = XmlInt(raw);
      if (n >= 0 && n <= 7)
        FFillStyle = TBrushStyle(n);
      continue;
    }
    case eFONTNAME: SetFontName(c.Text()); continue;
    case eFONTSIZE: FFontSize = XmlInt(raw); continue;
    case eFONTCOLOUR: FFontColour = XmlInt(raw); continue;
    case eELLIPSIS: FEllipsis = XmlBool(raw); continue;
    case eWORDWRAP: FWordWrap = XmlBool(raw); continue;
    case eEXPANDTABS: FExpandTabs = XmlBool(raw); continue;
    case eHALIGN: {
      const int n = XmlInt(raw);
      if (n >= 0 && n <= 3)
        FHAlign = TAlignments(n);
      continue;
    }
    case eVALIGN: {
      const int n = XmlInt(raw);
      if (n >= 0 && n <= 2)
        FVAlign = TVerticalAlignment(n);
      continue;
    }
    case eMARGIN: FTextMargin = XmlInt(raw); continue;
    case eROTATION: FTextRotation = XmlInt(raw); continue;
    default: break;
    }
    // Settings that kinds may also read: applied here, then offered to the kind.
    switch (e) {
    case eFONTBOLD: FFontStyle = SetBit(FFontStyle, fsBold, XmlBool(raw)); break;
    case eFONTITALIC: FFontStyle = SetBit(FFontStyle, fsItalic, XmlBool(raw)); break;
    case eFONTUNDERLINE: FFontStyle = SetBit(FFontStyle, fsUnderline, XmlBool(raw)); break;
    case eIMAGETYPE: FImageType = TDesignImageType(XmlInt(raw)); break;
    case eIMAGEPATH: {
      const QString path = c.Text();
      if (!path.isEmpty())
        FImagePath = path;
      break;
    }
    case eIMAGE: {
      const QByteArrayView text = raw.trimmed();
      if (!text.isEmpty()) {
        try {
          LoadEncodedImage(text);
        } catch (const EDesignImageError& err) {
          // One broken picture does not end the reading of everything else.
          TReadReport::Warn(err.Message());
        }
      }
      break;
    }
    case eIMAGEMODE: {
      const int n = XmlInt(raw);
      if (n >= 0 && n <= 2)
        FImageMode = TImageMode(n);
      break;
    }
    case eWANTHTML: FWantHTML = XmlBool(raw); break;
    case eEMBEDHTML: FEmbedHTML = XmlBool(raw); break;
    case eAdditionalProperties: ReadPropListXML(c, FPropList); break;
    case eAutosize: FAutoSize = XmlInt(raw); break;
    default: break;
    }
    PropertiesFromXML(c);
  }
  if (storeSet[0] || storeSet[1] || storeSet[2] || storeSet[3])
    SetStoreBounds(store[0], store[1], store[2], store[3]);
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
  // One repaint for the whole list instead of several for every object it adds.
  const bool updates = updatesEnabled();
  setUpdatesEnabled(false);
  struct TRestore {
    TDesignSurface* S;
    bool U;
    ~TRestore()
    {
      S->setUpdatesEnabled(U);
      S->update();
    }
  } restore{this, updates};
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
