#pragma once

#include <QCoreApplication>

class QWidget;

namespace velkari {

// The About box: the editor's name, version, icon and what it is for.
class AboutBox
{
    Q_DECLARE_TR_FUNCTIONS(AboutBox)

public:
    // The entry that opens it in the window's context menu.
    static QString menuText();
    static QString title();
    static void exec(QWidget *parent);
};

} // namespace velkari
