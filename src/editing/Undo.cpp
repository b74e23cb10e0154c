#include "editing/Undo.h"

#include "model/Surface.h"
#include "objects/DesignObject.h"

TDesignUndoManager::TDesignUndoManager()
{
  fStack.SetLimit(10);
  fStack.OnFreeItem = [this](TLimitedStack<std::unique_ptr<TGroup>>*, std::unique_ptr<TGroup>& Group) {
    // Freed from the last action to the first, then the group.
    if (Group)
      while (!Group->empty())
        Group->pop_back();
    Group.reset();
  };
}

TDesignUndoManager::~TDesignUndoManager()
{
  fCurrent.clear();
  fList.clear();
  fStack.Clear();
}

void TDesignUndoManager::StartUndo()
{
  if (fBlocked)
    return;
  if (!fCurrent.empty() || !fList.empty())
    fLost = true;
  fList.clear();
  fCurrent.clear();
  fCurrentNames.clear();
}

void TDesignUndoManager::EndUndo()
{
  if (!fCurrent.empty()) {
    fList.clear();
    fList = std::move(fCurrent);
    fCurrent.clear();
    fCurrentNames.clear();
  }
  if (!fList.empty()) {
    auto group = std::make_unique<TGroup>(std::move(fList));
    fList.clear();
    if (fStack.Count() >= fStack.Limit())
      fLost = true; // the oldest group is about to be dropped
    fStack.Push(std::move(group));
  }
  fAction = 0;
}

bool TDesignUndoManager::PendingHas(const QString& Name) const
{
  return fCurrentNames.contains(Name);
}

void TDesignUndoManager::Record(int Kind, TDesignSurface* Owner, TDesignObject* Element, int Index)
{
  if (fBlocked || !Element)
    return;
  if (Kind != fAction) {
    EndUndo();
    StartUndo();
    fAction = Kind;
  }
  auto action = std::make_unique<TDesignUndoAction>();
  action->actionType = Kind;
  action->elementId = Element->Name();
  action->owner = Owner;
  action->index = Index;
  // Undoing a creation only deletes the object by name, so its XML is not needed (and a
  // large pasted picture is not encoded just to be thrown away).
  if (Kind != uaCreated)
    action->data = Element->ToXMLBytes2();
  fCurrentNames.insert(action->elementId);
  fCurrent.push_back(std::move(action));
}

void TDesignUndoManager::AddCreated(TDesignSurface* Owner, TDesignObject* Element)
{
  Record(uaCreated, Owner, Element, 0);
}

void TDesignUndoManager::AddDeleted(TDesignSurface* Owner, TDesignObject* Element, int ZIndex)
{
  Record(uaDeleted, Owner, Element, ZIndex);
}

void TDesignUndoManager::AddMoved(TDesignSurface* Owner, TDesignObject* Element)
{
  if (fBlocked || !Element || (fAction == uaMoved && PendingHas(Element->Name())))
    return;
  Record(uaMoved, Owner, Element, 0);
}

void TDesignUndoManager::AddSized(TDesignSurface* Owner, TDesignObject* Element)
{
  if (fBlocked || !Element || (fAction == uaSized && PendingHas(Element->Name())))
    return;
  Record(uaSized, Owner, Element, 0);
}

void TDesignUndoManager::AddChanged(TDesignSurface* Owner, TDesignObject* Element)
{
  Record(uaChanged, Owner, Element, 0);
}

void TDesignUndoManager::AddZOrder(TDesignSurface* Owner, TDesignObject* Element, int ZIndex)
{
  Record(uaZOrder, Owner, Element, ZIndex);
}

void TDesignUndoManager::Apply(TDesignUndoAction& A)
{
  TDesignSurface* s = A.owner;
  if (!s)
    return;
  switch (A.actionType) {
  case uaCreated: s->DeleteControl(s->ControlIndexByName(A.elementId)); break;
  case uaDeleted: s->ControlFromXMLString(QString::fromUtf8(A.data)); break;
  case uaZOrder: s->SetControlIndex(A.elementId, A.index); break;
  case 11:
  case 12:
  case 13:
  case 14:
    if (OnUndo)
      OnUndo(this, &A);
    break;
  default:
    if (TDesignObject* obj = s->ControlByName(A.elementId))
      obj->FromXMLString2(QString::fromUtf8(A.data));
    break;
  }
}

void TDesignUndoManager::Undo()
{
  if (!fCurrent.empty())
    EndUndo();
  if (fStack.Count() == 0)
    return;
  fBlocked = true;
  std::unique_ptr<TGroup> group = fStack.Pop();
  for (auto& action : *group)
    Apply(*action);
  group.reset();
  fList.clear();
  fBlocked = false;
}

void TDesignUndoManager::Rewind()
{
  if (!fCurrent.empty()) {
    fCurrentNames.remove(fCurrent.back()->elementId);
    fCurrent.pop_back();
  }
}

void TDesignUndoManager::ClearAll()
{
  fCurrent.clear();
  fCurrentNames.clear();
  fList.clear();
  fStack.Clear();
  fAction = 0;
  fLost = false;
}

bool TDesignUndoManager::Empty() const
{
  return fCurrent.empty() && fList.empty() && fStack.Count() == 0;
}

bool TDesignUndoManager::Changed() const
{
  return !Empty() || fLost;
}
