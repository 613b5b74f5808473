#pragma once

#include <QWidget>

namespace velkari {

// Every control of the editor's windows carries its numeric id, by which the hover description
// and the tests find it.
inline constexpr char ControlIdProperty[] = "controlId";

inline void setControlId(QWidget *widget, int id)
{
    widget->setProperty(ControlIdProperty, id);
}

// 0 for a widget without an id, and for none.
inline int controlId(const QWidget *widget)
{
    return widget ? widget->property(ControlIdProperty).toInt() : 0;
}

template <typename T = QWidget>
T *findControl(const QWidget *root, int id)
{
    for (T *child : root->findChildren<T *>()) {
        if (controlId(child) == id)
            return child;
    }
    return nullptr;
}

} // namespace velkari
