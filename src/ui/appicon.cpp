#include "appicon.h"

namespace velkari {

QString applicationId()
{
    return QStringLiteral(VELKARI_APP_ID);
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(applicationId()),
                     QSize(size, size));
    }
    return icon;
}

} // namespace velkari
