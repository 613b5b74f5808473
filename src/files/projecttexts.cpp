#include "projecttexts.h"

#include <QCoreApplication>

namespace velkari {

QString InvalidProjectMessage()
{
    return QCoreApplication::translate("velkari::FileCommands", "Invalid Velkari Skin Project File!");
}

} // namespace velkari
