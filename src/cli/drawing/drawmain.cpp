#include "keyboardpainter.h"
#include "skintool.h"

#include <QGuiApplication>
#include <QTextStream>

// velkari-skin-draw: velkari-skin with Qt's graphical side, which drawing text needs. It runs the
// commands that draw when velkari-skin hands them over, and any other command as velkari-skin
// does. It needs no display: it draws offscreen unless a platform is set.
int main(int argc, char *argv[])
{
    velkari::PreferOffscreenPlatform();
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return velkari::SkinTool(out, err).run(app.arguments().mid(1));
}
