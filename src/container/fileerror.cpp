#include "fileerror.h"

#include <QCoreApplication>

namespace velkari {

namespace {

// Shown by the editor in its language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::FileError)
};

} // namespace

FileError::FileError(Action action, const QString &fileName, const QString &reason)
    : std::runtime_error((fileName + QStringLiteral(": ") + reason).toStdString())
    , m_action(action)
    , m_fileName(fileName)
    , m_reason(reason)
{
}

QString FileError::message() const
{
    const QString what = m_action == Action::Write
        ? Text::tr("An error occurred while writing \"%1\".")
        : Text::tr("An error occurred while reading \"%1\".");
    return what.arg(m_fileName) + QLatin1Char('\n') + m_reason;
}

} // namespace velkari
