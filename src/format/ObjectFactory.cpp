#include "format/ObjectFactory.h"

#include "objects/DesignObject.h"

#include <QHash>

namespace {
QHash<QString, TDesignObjectCreator>& Registry()
{
  static QHash<QString, TDesignObjectCreator> registry;
  return registry;
}
} // namespace

void RegisterDesignObjectClass(const QString& ClassName, TDesignObjectCreator Creator)
{
  Registry().insert(ClassName, Creator);
}

TDesignObject* DesignObjectFromClassName(const QString& ClassName)
{
  const auto it = Registry().constFind(ClassName);
  if (it != Registry().constEnd())
    return (*it)();
  return new TDesignObject;
}
