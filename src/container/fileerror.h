#pragma once

#include <QString>

#include <stdexcept>

namespace velkari {

// Raised by the file layer when a file cannot be created, written or read in the middle of a
// command. Commands never catch it; the caller at the top of the command (editor or command-line
// tool) reports message() and carries on.
class FileError : public std::runtime_error
{
public:
    enum class Action { Write, Read };

    FileError(Action action, const QString &fileName, const QString &reason);

    Action action() const { return m_action; }
    const QString &fileName() const { return m_fileName; }
    const QString &reason() const { return m_reason; }
    QString message() const;

private:
    Action m_action;
    QString m_fileName;
    QString m_reason;
};

} // namespace velkari
