#pragma once
// The events through which a surface asks the application to make, free and format
// objects, reports selection and pointer position, and finds its undo manager.
#include <QString>

#include <functional>

class TDesignObject;
class TDesignSurface;
class TDesignUndoManager;

using TCreateObjectEvent = std::function<void(TDesignSurface* Sender, TDesignObject*& NewObj)>;
using TCreateObjectByNameEvent =
  std::function<void(TDesignSurface* Sender, const QString& ClassName, TDesignObject*& NewObj)>;
using TDeleteObjectEvent = std::function<void(TDesignSurface* Sender, TDesignObject*& NewObj)>;
using TSetDefaultsEvent = std::function<void(TDesignSurface* Sender, TDesignObject* DesignObject)>;
using TGetUndoManagerEvent = std::function<void(TDesignSurface* Sender, TDesignUndoManager*& Manager)>;
using TShowPositionEvent = std::function<void(TDesignSurface* Sender, int X, int Y)>;
using TDesignContentEvent = std::function<void(TDesignSurface* Sender, TDesignObject* DesignObject)>;
using TNotifyEvent = std::function<void(TDesignSurface* Sender)>;
