#pragma once
// The class factory: makes a design object from the class name stored in a layout file
// or chosen by a creation tool.
#include <QString>

class TDesignObject;

// A new object of the named kind (exact comparison); a name no kind has registered
// gives a plain TDesignObject. The caller owns the result.
TDesignObject* DesignObjectFromClassName(const QString& ClassName);

using TDesignObjectCreator = TDesignObject* (*)();
// Adds a kind to the factory (each kind registers itself once, at start-up).
void RegisterDesignObjectClass(const QString& ClassName, TDesignObjectCreator Creator);
