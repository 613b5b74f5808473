#pragma once

#include "skinproject.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <map>
#include <memory>

class QLockFile;

namespace velkari {

// Copies of unsaved projects in the user's state folder, so that a crash loses at most the work
// since the last copy. Each editor writes a copy of its own and holds it locked while it runs: a
// copy that no running editor holds was left behind by one that ended without cleaning up.
class RecoveryStore
{
public:
    struct Copy
    {
        QString file;
        QString projectPath; // empty for a project that was never saved
        QDateTime written;
        bool readable = true; // false: not even its project's name can be read
    };

    explicit RecoveryStore(const QString &folder = defaultFolder());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // $XDG_STATE_HOME/velkari/skin-editor, by default ~/.local/state/velkari/skin-editor.
    static QString defaultFolder();
    const QString &folder() const { return m_folder; }

    // Writes the project as this editor's copy, through a temporary file. Raises FileError.
    void write(SkinProject &project);
    // Removes this editor's copy, if it has one.
    void remove();
    QString copyFile() const { return m_file; }

    // The copies no running editor holds, newest first, also those that cannot be read, so that
    // they are not kept for ever. This store holds them until it takes,
    // drops or releases them.
    QList<Copy> leftBehind();
    // Reads a copy into the project (its project path included), and makes it this editor's own
    // copy. False, with the project untouched, when the copy cannot be read or is damaged; then
    // `damage` says where it is damaged (findContainerDamage), if it is.
    bool take(const Copy &copy, SkinProject &project, QString *damage = nullptr);
    // Removes a copy left behind.
    void drop(const Copy &copy);
    // Lets go of the copies left behind that were neither taken nor dropped, for a later start.
    void release();

private:
    void lockOwnCopy();

    QString m_folder;
    QString m_file;
    std::unique_ptr<QLockFile> m_lock;
    std::map<QString, std::unique_ptr<QLockFile>> m_held;
};

} // namespace velkari
