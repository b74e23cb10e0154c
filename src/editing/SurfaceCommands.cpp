// Arrange and format commands of a design surface: align, size, order, nudge, lock and
// the property commands, each acting on the selected objects as one undo step.
#include "model/Surface.h"

#include "editing/Undo.h"
#include "objects/DesignObject.h"
#include "platform/NameValueList.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <climits>

namespace {

// Opens an undo group for the life of the object (when there is a manager).
struct TUndoGroup {
  TDesignUndoManager* M;
  explicit TUndoGroup(TDesignUndoManager* m) : M(m)
  {
    if (M)
      M->StartUndo();
  }
  ~TUndoGroup()
  {
    if (M)
      M->EndUndo();
  }
};

void Record(TDesignUndoManager* M, int Kind, TDesignSurface* S, TDesignObject* O)
{
  if (!M)
    return;
  switch (Kind) {
  case uaMoved: M->AddMoved(S, O); break;
  case uaSized: M->AddSized(S, O); break;
  default: M->AddChanged(S, O); break;
  }
}

} // namespace

std::vector<TDesignObject*> TDesignSurface::Selection() const
{
  std::vector<TDesignObject*> out;
  for (TDesignObject* o : FCtrls)
    if (o->SelectMode() != smNone)
      out.push_back(o);
  return out;
}

bool TDesignSurface::ForSelected(int Kind, const std::function<void(TDesignObject*)>& Change)
{
  TUndoGroup group(GetUndoManager());
  bool any = false;
  for (TDesignObject* o : FCtrls) {
    if (o->SelectMode() == smNone)
      continue;
    any = true;
    Record(group.M, Kind, this, o);
    Change(o);
  }
  return any;
}

// --- Alignment ------------------------------------------------------------------------------

namespace {
// The objects aligned to the reference: smAny and smFollow objects other than it.
bool IsAligned(const TDesignObject* O, const TDesignObject* Ref)
{
  return O != Ref && (O->SelectMode() == smAny || O->SelectMode() == smFollow);
}
} // namespace

#define ZENTAF_ALIGN(Name, Body)                                                                                       \
  void TDesignSurface::Name()                                                                                          \
  {                                                                                                                    \
    TDesignObject* ref = FirstSelected();                                                                              \
    if (!ref)                                                                                                          \
      return;                                                                                                          \
    TUndoGroup group(GetUndoManager());                                                                                \
    for (TDesignObject* o : FCtrls) {                                                                                  \
      if (!IsAligned(o, ref))                                                                                          \
        continue;                                                                                                      \
      Record(group.M, uaMoved, this, o);                                                                               \
      Body;                                                                                                            \
    }                                                                                                                  \
  }

ZENTAF_ALIGN(AlignLefts, o->SetStoreLeft(ref->StoreLeft()))
ZENTAF_ALIGN(AlignRights, o->SetStoreLeft(ref->StoreLeft() + ref->StoreWidth() - o->StoreWidth()))
ZENTAF_ALIGN(AlignHCentres,
             o->SetStoreLeft(ref->StoreLeft() + RoundEven(ref->StoreWidth() / 2.0) - RoundEven(o->StoreWidth() / 2.0)))
ZENTAF_ALIGN(AlignTops, o->SetStoreTop(ref->StoreTop()))
ZENTAF_ALIGN(AlignBases, o->SetStoreTop(ref->StoreTop() + ref->StoreHeight() - o->StoreHeight()))
ZENTAF_ALIGN(AlignVCentres,
             o->SetStoreTop(ref->StoreTop() + RoundEven(ref->StoreHeight() / 2.0) - RoundEven(o->StoreHeight() / 2.0)))
#undef ZENTAF_ALIGN

// --- Sizes ------------------------------------------------------------------------------------

namespace {
enum class TPick { Min, Max, Average };
}

static void SizeSelection(TDesignSurface* S, bool Width, TPick Pick)
{
  std::vector<TDesignObject*> sel;
  for (TDesignObject* o : S->Controls())
    if (o->SelectMode() != smNone)
      sel.push_back(o);
  if (sel.empty())
    return;
  long long sum = 0;
  int value = Pick == TPick::Min ? INT_MAX : INT_MIN;
  for (TDesignObject* o : sel) {
    const int v = Width ? o->StoreWidth() : o->StoreHeight();
    sum += v;
    value = Pick == TPick::Min ? std::min(value, v) : std::max(value, v);
  }
  if (Pick == TPick::Average) {
    value = int(sum / (long long)sel.size());
    if (S->SnapToGrid())
      value = RoundEven(value / 10.0) * 10;
  }
  TDesignUndoManager* undo = S->GetUndoManager();
  if (undo)
    undo->StartUndo();
  for (TDesignObject* o : sel) {
    if (undo)
      undo->AddSized(S, o);
    if (Width)
      o->SetStoreWidth(value);
    else
      o->SetStoreHeight(value);
  }
  if (undo)
    undo->EndUndo();
}

void TDesignSurface::SizeThinnest() { SizeSelection(this, true, TPick::Min); }
void TDesignSurface::SizeWidest() { SizeSelection(this, true, TPick::Max); }
void TDesignSurface::SizeShortest() { SizeSelection(this, false, TPick::Min); }
void TDesignSurface::SizeTallest() { SizeSelection(this, false, TPick::Max); }
void TDesignSurface::SizeAvgWidth() { SizeSelection(this, true, TPick::Average); }
void TDesignSurface::SizeAvgHeight() { SizeSelection(this, false, TPick::Average); }

void TDesignSurface::SizeSameWidth()
{
  if (TDesignObject* ref = FirstSelected()) {
    const int w = ref->StoreWidth();
    ForSelected(uaSized, [w](TDesignObject* o) { o->SetStoreWidth(w); });
  }
}

void TDesignSurface::SizeSameHeight()
{
  if (TDesignObject* ref = FirstSelected()) {
    const int h = ref->StoreHeight();
    ForSelected(uaSized, [h](TDesignObject* o) { o->SetStoreHeight(h); });
  }
}

// --- Order ------------------------------------------------------------------------------------

void TDesignSurface::SendBack()
{
  TUndoGroup group(GetUndoManager());
  // Walking upwards, each selected object goes to index 0, so the selection ends at the
  // bottom in reversed order.
  const std::vector<TDesignObject*> order = FCtrls;
  for (TDesignObject* o : order) {
    if (o->SelectMode() == smNone)
      continue;
    const auto it = std::find(FCtrls.begin(), FCtrls.end(), o);
    if (group.M)
      group.M->AddZOrder(this, o, int(it - FCtrls.begin()));
    FCtrls.erase(it);
    FCtrls.insert(FCtrls.begin(), o);
    o->Invalidate();
  }
}

void TDesignSurface::SendFront()
{
  TUndoGroup group(GetUndoManager());
  const std::vector<TDesignObject*> order = FCtrls;
  for (auto r = order.rbegin(); r != order.rend(); ++r) {
    TDesignObject* o = *r;
    if (o->SelectMode() == smNone)
      continue;
    const auto it = std::find(FCtrls.begin(), FCtrls.end(), o);
    if (group.M)
      group.M->AddZOrder(this, o, int(it - FCtrls.begin()));
    FCtrls.erase(it);
    FCtrls.push_back(o);
    o->Invalidate();
  }
}

void TDesignSurface::SendBackward()
{
  TUndoGroup group(GetUndoManager());
  for (size_t i = 1; i < FCtrls.size(); ++i) {
    if (FCtrls[i]->SelectMode() == smNone)
      continue;
    if (group.M)
      group.M->AddZOrder(this, FCtrls[i], int(i));
    std::swap(FCtrls[i], FCtrls[i - 1]);
  }
  // Objects keep their place on screen while only the stored order changes; the
  // surface paints in list order, so repaint what changed places.
  update();
}

void TDesignSurface::SendForward()
{
  TUndoGroup group(GetUndoManager());
  for (size_t i = FCtrls.size(); i-- > 1;) {
    const size_t at = i - 1;
    if (FCtrls[at]->SelectMode() == smNone)
      continue;
    if (group.M)
      group.M->AddZOrder(this, FCtrls[at], int(at));
    std::swap(FCtrls[at], FCtrls[at + 1]);
  }
  update();
}

// --- Nudge and lock -----------------------------------------------------------------------------

void TDesignSurface::NudgeX(int X)
{
  TDesignUndoManager* undo = GetUndoManager();
  for (TDesignObject* o : Selection()) {
    if (undo)
      undo->AddMoved(this, o);
    o->SetStoreLeft(o->StoreLeft() + X * 10);
  }
}

void TDesignSurface::NudgeY(int Y)
{
  TDesignUndoManager* undo = GetUndoManager();
  for (TDesignObject* o : Selection()) {
    if (undo)
      undo->AddMoved(this, o);
    o->SetStoreTop(o->StoreTop() + Y * 10);
  }
}

void TDesignSurface::Lock()
{
  for (TDesignObject* o : Selection())
    o->SetLocked(true);
}

void TDesignSurface::Unlock()
{
  for (TDesignObject* o : Selection())
    o->SetLocked(false);
}

void TDesignSurface::ToggleLocked()
{
  for (TDesignObject* o : Selection())
    o->SetLocked(!o->Locked());
}

// --- Properties ----------------------------------------------------------------------------------

bool TDesignSurface::SetHAlign(TAlignments Value)
{
  return ForSelected(uaChanged, [Value](TDesignObject* o) { o->SetHAlign(Value); });
}

bool TDesignSurface::SetVAlign(TVerticalAlignment Value)
{
  return ForSelected(uaChanged, [Value](TDesignObject* o) { o->SetVAlign(Value); });
}

bool TDesignSurface::SetFontName(const QString& Value)
{
  return ForSelected(uaChanged, [&Value](TDesignObject* o) { o->SetFontName(Value); });
}

bool TDesignSurface::SetFontSize(int Value)
{
  return ForSelected(uaChanged, [Value](TDesignObject* o) { o->SetFontSize(Value); });
}

bool TDesignSurface::SetFontSizeDelta(int Value)
{
  TUndoGroup group(GetUndoManager());
  bool any = false;
  for (TDesignObject* o : FCtrls) {
    if (o->SelectMode() == smNone)
      continue;
    any = true;
    const long long size = (long long)o->FontSize() + Value;
    if (size <= 0 || size > INT_MAX)
      continue; // neither changed nor recorded
    if (group.M)
      group.M->AddChanged(this, o);
    o->SetFontSize(int(size));
  }
  return any;
}

bool TDesignSurface::SetFontColour(TColor Value)
{
  return ForSelected(uaChanged, [Value](TDesignObject* o) {
    o->SetFontColour(Value);
    // The colour is a plain field; showing it at once does no harm.
    o->Invalidate();
  });
}

bool TDesignSurface::SetFillColour(TColor Value)
{
  return ForSelected(uaChanged, [Value](TDesignObject* o) { o->SetFillColour(Value); });
}

bool TDesignSurface::SetBorderColour(TColor Value)
{
  return ForSelected(uaChanged, [Value](TDesignObject* o) { o->SetBorderColour(Value); });
}

bool TDesignSurface::SetBorderStyle(TPenStyle Value)
{
  return ForSelected(uaChanged, [Value](TDesignObject* o) { o->SetBorderStyle(Value); });
}

bool TDesignSurface::SetBorderWidth(int Value)
{
  return ForSelected(uaChanged, [Value](TDesignObject* o) { o->SetBorderWidth(Value); });
}

bool TDesignSurface::SetBoldToggle()
{
  return ForSelected(uaChanged, [](TDesignObject* o) { o->SetFontBold(!o->FontBold()); });
}

bool TDesignSurface::SetItalicToggle()
{
  return ForSelected(uaChanged, [](TDesignObject* o) { o->SetFontItalic(!o->FontItalic()); });
}

bool TDesignSurface::SetImagePath(const QString& Value)
{
  return ForSelected(uaChanged, [&Value](TDesignObject* o) {
    o->SetImagePath(Value);
    o->Invalidate();
  });
}

bool TDesignSurface::SetPropertyList(const TNameValueList& Value)
{
  return ForSelected(uaChanged, [&Value](TDesignObject* o) {
    o->SetPropertyList(Value);
    o->Invalidate();
  });
}

bool TDesignSurface::SetPosition(int X, int Y, int W, int H, int A)
{
  return ForSelected(uaChanged, [=](TDesignObject* o) {
    o->SetStoreBounds(X, Y, W, H);
    o->SetAutosize(A);
  });
}

bool TDesignSurface::ReloadImages()
{
  const std::vector<TDesignObject*> sel = Selection();
  for (TDesignObject* o : sel) {
    o->ReloadImage();
    o->Invalidate();
  }
  return !sel.empty();
}

bool TDesignSurface::ResizeImages()
{
  const std::vector<TDesignObject*> sel = Selection();
  for (TDesignObject* o : sel)
    o->ResizeImage();
  return !sel.empty();
}
