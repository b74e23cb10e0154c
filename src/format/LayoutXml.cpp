// The layout document: the declaration, the root named by the header, the header, the
// page layout and the bands with their surfaces' settings and objects.
#include "editing/Undo.h"
#include "format/DesignHeader.h"
#include "format/XmlValues.h"
#include "model/Band.h"
#include "model/Container.h"
#include "model/PageLayout.h"
#include "model/Surface.h"
#include "objects/DesignImage.h"
#include "platform/XmlReader.h"
#include "platform/XmlWriter.h"

#include <cstring>

void WritePropListXML(TXmlWriter& W, const TDesignPropList& List);
void ReadPropListXML(const TXmlElement& Node, TDesignPropList& List);

// --- Header ------------------------------------------------------------------------------

void TDesignHeader::ToXML(TXmlWriter& W)
{
  W.Begin(u"DesignHeader");
  W.Element(u"HEADER", FHeader);
  W.ElementInt(u"VERSION", FVersion);
  AddXML(W);
  W.End();
}

void TDesignHeader::FromXML(const TXmlElement& Node)
{
  if (Node.ChildCount() < 2)
    throw EDesignReadError(QStringLiteral("The \"DesignHeader\" element needs two children, a header text and a "
                                          "version; it has %1.").arg(Node.ChildCount()));
  FHeader = Node.Child(0).Text();
  FVersion = XmlInt(Node.Child(1).TextUtf8());
  GetXML(Node);
}

// --- Page layout ------------------------------------------------------------------------

void TDesignPage::ToXML(TXmlWriter& W)
{
  W.Element(u"PAPER", FPaperSize);
  W.ElementAscii(u"ORIENTATION", FOrientation == poLandscape ? "LANDSCAPE" : "PORTRAIT");
  W.ElementInt(u"LEFTMARGIN", FLeftMargin);
  W.ElementInt(u"RIGHTMARGIN", FRightMargin);
  W.ElementInt(u"TOPMARGIN", FTopMargin);
  W.ElementInt(u"BASEMARGIN", FBaseMargin);
  W.ElementAscii(u"IMPERIAL", XmlBoolText(FWantImperial));
  if (FHasImage && FImage) {
    W.ElementInt(u"IMAGETYPE", FImageType);
    W.Element(u"IMAGEPATH", FImagePath);
    W.Begin(u"IMAGE");
    W.CDataAscii(FImage->GetEncodedImage());
    W.End();
  }
  W.ElementInt(u"IMAGEMODE", FImageMode);
}

void TDesignPage::FromXML(const TXmlElement& Node)
{
  for (TXmlElement c = Node.FirstChild(); !c.IsNull(); c = c.NextSibling()) {
    const char* name = c.NameUtf8();
    auto is = [name](const char* n) { return std::strcmp(name, n) == 0; };
    const QByteArrayView raw = c.TextUtf8();
    if (is("PAPER")) {
      FPaperSize = c.Text();
    } else if (is("ORIENTATION")) {
      FOrientation = raw == "LANDSCAPE" || raw == "LANSCAPE" ? poLandscape : poPortrait;
    } else if (is("LEFTMARGIN")) {
      FLeftMargin = XmlInt(raw);
    } else if (is("RIGHTMARGIN")) {
      FRightMargin = XmlInt(raw);
    } else if (is("TOPMARGIN")) {
      FTopMargin = XmlInt(raw);
    } else if (is("BASEMARGIN")) {
      FBaseMargin = XmlInt(raw);
    } else if (is("IMPERIAL")) {
      FWantImperial = XmlBool(raw);
    } else if (is("IMAGETYPE")) {
      FImageType = TDesignImageType(XmlInt(raw));
    } else if (is("IMAGEPATH")) {
      const QString path = c.Text();
      if (!path.isEmpty())
        FImagePath = path;
    } else if (is("IMAGE")) {
      const QByteArrayView text = (c.ChildCount() > 0 ? c.Child(0).TextUtf8() : raw).trimmed();
      try {
        SetEncodedImage(text);
      } catch (const EDesignImageError& e) {
        FHasImage = false;
        TReadReport::Warn(QStringLiteral("The page background: ") + e.Message());
      }
    } else if (is("IMAGEMODE")) {
      const int n = XmlInt(raw);
      if (n >= 0 && n <= 2)
        FImageMode = TImageMode(n);
    }
  }
}

// --- Bands ---------------------------------------------------------------------------------

void TDesignBand::ToXML(TXmlWriter& W, bool WithControls)
{
  W.Element(u"TYPE", u"TDesignBand");
  W.ElementAscii(u"TOPRULER", XmlBoolText(FShowTopRuler));
  W.ElementAscii(u"LEFTRULER", XmlBoolText(FShowLeftRuler));
  W.ElementInt(u"WIDTH", FSurface->StoreWidth());
  W.ElementInt(u"HEIGHT", FSurface->StoreHeight());
  W.ElementInt(u"LEFTMARGIN", FSurface->StoreLeftMargin());
  W.ElementInt(u"RIGHTMARGIN", FSurface->StoreRightMargin());
  W.ElementInt(u"TOPMARGIN", FSurface->StoreTopMargin());
  W.ElementInt(u"BOTTOMMARGIN", FSurface->StoreBottomMargin());
  W.ElementAscii(u"DRAWMARGIN", XmlBoolText(FSurface->DrawMargin()));
  W.ElementAscii(u"SNAP", XmlBoolText(FSurface->SnapToGrid()));
  W.Element(u"GRID", XmlRealText(FSurface->GridSize()));
  if (FPropList.Count() > 0)
    WritePropListXML(W, FPropList);
  if (WithControls)
    FSurface->ControlsToXML(W, false);
}

void TDesignBand::FromXML(const TXmlElement& Node, bool WithControls)
{
  for (TXmlElement c = Node.FirstChild(); !c.IsNull(); c = c.NextSibling()) {
    const char* name = c.NameUtf8();
    auto is = [name](const char* n) { return std::strcmp(name, n) == 0; };
    const QByteArrayView raw = c.TextUtf8();
    if (is("TOPRULER"))
      SetShowTopRuler(XmlBool(raw));
    else if (is("LEFTRULER"))
      SetShowLeftRuler(XmlBool(raw));
    else if (is("WIDTH"))
      SetStoreWidth(XmlInt(raw));
    else if (is("HEIGHT"))
      SetStoreHeight(XmlInt(raw));
    else if (is("LEFTMARGIN"))
      FSurface->SetStoreLeftMargin(XmlInt(raw));
    else if (is("RIGHTMARGIN"))
      FSurface->SetStoreRightMargin(XmlInt(raw));
    else if (is("TOPMARGIN"))
      FSurface->SetStoreTopMargin(XmlInt(raw));
    else if (is("BOTTOMMARGIN"))
      FSurface->SetStoreBottomMargin(XmlInt(raw));
    else if (is("DRAWMARGIN"))
      FSurface->SetDrawMargin(XmlBool(raw));
    else if (is("SNAP"))
      FSurface->SetSnapToGrid(XmlBool(raw));
    else if (is("GRID"))
      FSurface->SetGridSize(XmlReal(c.Text()));
    else if (is("AdditionalProperties"))
      ReadPropListXML(c, FPropList);
    else if (is("DesignObjects") && WithControls)
      FSurface->ControlsFromXML(c, false);
  }
  ArrangeRulers();
}

// --- The container and the document -------------------------------------------------------

void TDesignContainer::ToXML(TXmlWriter& W)
{
  W.Begin(u"DesignContainer");
  W.Begin(u"DesignLayout");
  FPageLayout->ToXML(W);
  W.End();
  W.Begin(u"DesignBands");
  for (TDesignBand* band : FBands) {
    W.Begin(u"DesignBand");
    band->ToXML(W, true);
    W.End();
  }
  W.End();
  W.End();
}

void TDesignContainer::FromXML(const TXmlElement& Node)
{
  for (TXmlElement c = Node.FirstChild(); !c.IsNull(); c = c.NextSibling()) {
    if (c.NameIs("DesignLayout")) {
      // A file without a background picture (or any other setting) starts from the
      // defaults, not from what the previous design had.
      FPageLayout->SetDefault();
      FPageLayout->FromXML(c);
    } else if (c.NameIs("DesignBands")) {
      for (TXmlElement b = c.FirstChild(); !b.IsNull(); b = b.NextSibling()) {
        if (b.IsCData())
          continue;
        TDesignBand* band = CreateBand();
        band->SetImperial(FPageLayout->WantImperial());
        FBands.push_back(band);
        band->FromXML(b, true);
      }
      LayoutBands();
    }
  }
}

QByteArray TDesignContainer::ToXMLBytes(TDesignHeader* Header)
{
  TXmlWriter w;
  w.Declaration();
  w.Begin(Header->RootName());
  Header->ToXML(w);
  ToXML(w);
  w.End();
  return w.TakeBytes();
}

void TDesignContainer::ToXMLString(TDesignHeader* Header, QString& Value)
{
  Value = QString::fromUtf8(ToXMLBytes(Header));
}

bool TDesignContainer::FromXMLString(TDesignHeader* Header, const QString& Value, TLayoutReadResult* Result)
{
  return FromXMLBytes(Header, Value.toUtf8(), Result);
}

bool TDesignContainer::FromXMLBytes(TDesignHeader* Header, QByteArray Utf8, TLayoutReadResult* Result)
{
  TLayoutReadResult local;
  TLayoutReadResult& r = Result ? *Result : local;
  r = TLayoutReadResult();
  TXmlDocument doc;
  const TXmlParseResult parsed = doc.ParseUtf8Owned(std::move(Utf8));
  if (!parsed.Ok) {
    r.Status = TLayoutReadResult::NotXml;
    r.Message = parsed.Description;
    r.Line = parsed.Line;
    return false;
  }
  const TXmlElement root = doc.Root();
  r.Root = root.Name();
  if (r.Root != Header->RootName()) {
    r.Status = TLayoutReadResult::WrongRoot;
    return true;
  }
  TReadReport report;
  try {
    for (TXmlElement c = root.FirstChild(); !c.IsNull(); c = c.NextSibling()) {
      if (c.NameIs("DesignHeader"))
        Header->FromXML(c);
      // Nothing read is recorded as an undoable change; the block is lifted whatever
      // happens while reading.
      struct TBlock {
        TDesignUndoManager* M;
        explicit TBlock(TDesignUndoManager* m) : M(m) { M->SetBlocked(true); }
        ~TBlock() { M->SetBlocked(false); }
      } block(FUndoManager.get());
      if (c.NameIs("DesignContainer")) {
        ClearBands();
        FUndoManager->ClearAll();
        r.ReplacedDesign = true;
        FromXML(c);
      }
    }
  } catch (const EDesignReadError& e) {
    r.Status = TLayoutReadResult::Failed;
    r.Message = e.Message();
  }
  r.Warnings = report.Warnings;
  return true;
}
