#pragma once
// The undo history of a design: before a surface changes objects it records each one's
// XML with its name and the kind of change; changes of one command form a group, Undo
// puts the newest group back, and at most ten groups are kept.
#include "editing/LimitedStack.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TDesignObject;
class TDesignSurface;

enum TUndoKind : int { uaCreated = 1, uaDeleted = 2, uaMoved = 3, uaSized = 4, uaChanged = 5, uaZOrder = 6 };

// One recorded object and change.
struct TDesignUndoAction {
  int actionType = 0;
  TDesignSurface* owner = nullptr;
  QString elementId;
  int index = -1;
  int secType = 0, level = 0, series = 0;
  QByteArray data; // the object's XML text (UTF-8)
};

class TDesignUndoManager {
public:
  using TGroup = std::vector<std::unique_ptr<TDesignUndoAction>>;
  using TUndoActionEvent = std::function<void(TDesignUndoManager* Sender, TDesignUndoAction* Action)>;

  TDesignUndoManager();
  ~TDesignUndoManager();

  // Receives band actions (kinds 11 to 14) during Undo.
  TUndoActionEvent OnUndo;
  bool Blocked() const { return fBlocked; }
  void SetBlocked(bool v) { fBlocked = v; }

  // Starts a grouped command: whatever is pending is discarded.
  void StartUndo();
  // Closes the pending group and puts it on the stack.
  void EndUndo();
  void AddCreated(TDesignSurface* Owner, TDesignObject* Element);
  void AddDeleted(TDesignSurface* Owner, TDesignObject* Element, int ZIndex);
  // Recorded once per object in a run of moves (the state before the first).
  void AddMoved(TDesignSurface* Owner, TDesignObject* Element);
  void AddSized(TDesignSurface* Owner, TDesignObject* Element);
  void AddChanged(TDesignSurface* Owner, TDesignObject* Element);
  void AddZOrder(TDesignSurface* Owner, TDesignObject* Element, int ZIndex);
  // Undoes the newest group; nothing without history.
  void Undo();
  // Drops the newest pending action, if any.
  void Rewind();
  void ClearAll();
  // True while anything is recorded, and also after changes left the history without
  // being undone (the oldest groups dropped at the limit, or pending records discarded),
  // so that leaving such a design still asks to save it.
  bool Changed() const;
  // True when the history holds nothing to undo or close.
  bool Empty() const;
  int GroupCount() const { return fStack.Count(); }
  int PendingCount() const { return int(fCurrent.size()); }

private:
  void Record(int Kind, TDesignSurface* Owner, TDesignObject* Element, int Index);
  bool PendingHas(const QString& Name) const;
  void Apply(TDesignUndoAction& A);

  TLimitedStack<std::unique_ptr<TGroup>> fStack;
  TGroup fList;
  TGroup fCurrent;
  QSet<QString> fCurrentNames; // names in fCurrent, for the once-per-run checks
  int fAction = 0;
  bool fBlocked = false;
  bool fLost = false;
};
