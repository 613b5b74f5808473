#include "projecttexts.h"

#include <QCoreApplication>

namespace velkari {

QString invalidProjectMessage()
{
    return QCoreApplication::translate("velkari::FileCommands", "Invalid Velkari Skin Project File!");
}

} // namespace velkari
