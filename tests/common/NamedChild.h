#pragma once

#include <QLabel>
#include <QObject>
#include <QString>

// The parent's child of that type and object name. A test that names a child
// the widget does not have stops there, saying which, instead of reading
// through a null pointer.
template<typename T = QWidget>
T *namedChild(const QObject *parent, const char *name)
{
    auto *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

inline QString labelText(const QObject *parent, const char *name)
{
    return namedChild<QLabel>(parent, name)->text();
}
