// Copy, cut, paste, duplicate and delete on a design surface. The clipboard carries the
// objects' layout XML as plain text; pasting also takes other text and pictures.
#include "model/Surface.h"

#include "editing/Undo.h"
#include "model/TextHelpers.h"
#include "objects/DesignImage.h"
#include "objects/DesignObject.h"
#include "platform/Canvas.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>

void TDesignSurface::DoCopy()
{
  QString text;
  ControlsToXMLString(text, true);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(text);
}

void TDesignSurface::DoCut()
{
  DoCopy();
  DoDelete();
}

void TDesignSurface::DoDelete()
{
  TDesignUndoManager* undo = GetUndoManager();
  if (undo)
    undo->StartUndo();
  for (int i = ControlCount() - 1; i >= 0; --i) {
    TDesignObject* o = FCtrls[size_t(i)];
    if (o->SelectMode() == smNone || o->Locked())
      continue;
    if (undo)
      undo->AddDeleted(this, o, i);
    DeleteControl(i);
  }
  if (undo)
    undo->EndUndo();
}

void TDesignSurface::DoDuplicate()
{
  QString text;
  ControlsToXMLString(text, true);
  SelectNone();
  ControlsFromXMLString(text);
}

void TDesignSurface::DoPaste()
{
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data)
    return;
  if (data->hasText()) {
    const QString text = data->text();
    if (text.startsWith(QStringLiteral("<?xml"))) {
      // Text that is not readable layout XML pastes nothing, silently.
      try {
        ControlsFromXMLString(text);
      } catch (const std::exception&) {
      }
    } else if (!text.isEmpty()) {
      PasteText(text);
    }
    return;
  }
  if (data->hasImage()) {
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    if (!picture.isNull())
      PastePicture(picture);
  }
}

void TDesignSurface::PasteText(const QString& Text)
{
  if (!OnCreateObjectByName)
    return;
  TDesignObject* obj = nullptr;
  OnCreateObjectByName(this, QStringLiteral("TDesignObject"), obj);
  if (!obj)
    return;
  if (OnSetDefaults)
    OnSetDefaults(this, obj);
  obj->SetAutosize(1);
  obj->SetText(Text);
  AddControl(obj);

  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  TCanvas canvas(&painter, this);
  // The height its text needs, then the width of its widest line (of the first ten).
  int height = 0;
  obj->GetTextHeight(canvas, height);
  if (height > obj->Height()) {
    obj->SetHeight(height);
    obj->UpdateStoreHeight();
  }
  const int lines = std::min(CountFieldsStr(Text, QStringLiteral("\r\n")), 10);
  canvas.Font().Name = obj->FontName();
  canvas.Font().Size = obj->FontSize();
  canvas.Font().Style = obj->FontStyle();
  int widest = 0;
  int pos = 1;
  for (int i = 0; i < lines; ++i) {
    QString line = ExtractToken(Text, pos, u'\n');
    if (line.endsWith(u'\r'))
      line.chop(1);
    widest = std::max(widest, canvas.TextWidth(line));
  }
  widest = std::min(widest, width());
  if (widest > obj->Width()) {
    obj->SetWidth(widest);
    obj->UpdateStoreWidth();
  }
}

void TDesignSurface::PastePicture(const QImage& Picture)
{
  if (!OnCreateObjectByName)
    return;
  TDesignObject* obj = nullptr;
  OnCreateObjectByName(this, QStringLiteral("TDesignPicture"), obj);
  if (!obj)
    return;
  // The object keeps the clipboard's picture itself (shared, not copied); it is encoded
  // for a file only when one is written.
  auto image = std::make_unique<TDesignImage>();
  image->SetImageType(ditBMP);
  image->SetPicture(Picture);
  obj->SetImageType(ditBMP);
  obj->SetImage(std::move(image));
  AddControl(obj);
  if (Picture.height() > 0) {
    obj->SetHeight(Picture.height());
    obj->UpdateStoreHeight();
  }
  if (Picture.width() > 0) {
    obj->SetWidth(Picture.width());
    obj->UpdateStoreWidth();
  }
}
