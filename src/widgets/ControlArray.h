#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// Control arrays: the elements of an array are separate controls whose object names carry
// the array's name and the index ("chkRegtype_3"), so one handler can serve them all and
// tests find every element by name.
class ControlArray
{
public:
    static QString Name(const QString& base, int index);

    // The index of an element from its object name, -1 for a control of no array.
    static int Index(const QObject* control);

    // Creates an element: T(caption, parent) named after the array and the index.
    template <typename T>
    static T* Create(const QString& base, int index, const QString& caption, QWidget* parent)
    {
        auto* control = new T(caption, parent);
        control->setObjectName(Name(base, index));
        return control;
    }

    template <typename T> static T* Element(const QWidget* form, const QString& base, int index)
    {
        return form->findChild<T*>(Name(base, index));
    }

    // Elements 0 to count - 1 in index order (nullptr for a missing one).
    template <typename T> static QList<T*> Elements(const QWidget* form, const QString& base, int count)
    {
        QList<T*> elements;
        for (int i = 0; i < count; ++i)
            elements << Element<T>(form, base, i);
        return elements;
    }
};
