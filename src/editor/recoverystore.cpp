#include "recoverystore.h"

#include "cebffile.h"
#include "projectfile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QUuid>

namespace velkari {

namespace {

const QString ClassName = QStringLiteral("VELKARI_RECOVERY");
const QString Suffix = QStringLiteral(".vsprecovery");
constexpr QByteArrayView PathEntry = "ProjectPath";
constexpr QByteArrayView ProjectSection = "Project";

std::unique_ptr<QLockFile> lockFor(const QString &file)
{
    auto lock = std::make_unique<QLockFile>(file + QStringLiteral(".lock"));
    // Held for the editor's whole run: only an owner that is gone makes a lock stale, never its age.
    lock->setStaleLockTime(0);
    return lock;
}

// Picture paths are kept relative to the project, as a save keeps them; a project without a file
// stands in the root folder, so that full paths still come back as they were.
QString pictureBase(const QString &projectPath)
{
    return projectPath.isEmpty() ? QDir::rootPath() + QStringLiteral("untitled.vsp") : projectPath;
}

// The copy's project path; false when the file is not a readable copy.
bool readHeader(CEBFFile &file, const QString &path, QString &projectPath)
{
    // A copy holds a project and a name: anything much larger is not one.
    if (!file.OpenForRead(path, MaxProjectFileSize + 64 * 1024))
        return false;
    file.ExchangeString(PathEntry, projectPath);
    return true;
}

} // namespace

RecoveryStore::RecoveryStore(const QString &folder)
    : m_folder(folder)
{
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultFolder()
{
    // Relative values are to be ignored, says the XDG base directory rule.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/velkari/skin-editor");
}

void RecoveryStore::lockOwnCopy()
{
    if (!m_file.isEmpty())
        return;
    // The folder holds unsaved work: the user's alone.
    if (QDir().mkpath(m_folder))
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_file = QDir(m_folder).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + Suffix);
    m_lock = lockFor(m_file);
    m_lock->tryLock(0);
}

void RecoveryStore::write(SkinProject &project)
{
    lockOwnCopy();
    CEBFFile file(ClassName);
    file.OpenForWrite(m_file);
    file.ExchangeString(PathEntry, project.projectPath);
    file.BeginSection(ProjectSection);
    writeProject(file, project, pictureBase(project.projectPath));
    file.Close();
}

void RecoveryStore::remove()
{
    if (m_file.isEmpty())
        return;
    QFile::remove(m_file);
    m_lock.reset(); // unlocking removes the lock file
    m_file.clear();
}

QList<RecoveryStore::Copy> RecoveryStore::leftBehind()
{
    QList<Copy> copies;
    const QFileInfoList found = QDir(m_folder).entryInfoList({QLatin1Char('*') + Suffix}, QDir::Files, QDir::Time);
    for (const QFileInfo &info : found) {
        const QString path = info.filePath();
        if (path == m_file || m_held.count(path))
            continue;
        auto lock = lockFor(path);
        if (!lock->tryLock(0))
            continue; // a running editor's own
        CEBFFile file(ClassName);
        Copy copy{path, QString(), info.lastModified()};
        copy.readable = readHeader(file, path, copy.projectPath);
        m_held.emplace(path, std::move(lock));
        copies.append(copy);
    }
    return copies;
}

bool RecoveryStore::take(const Copy &copy, SkinProject &project, QString *damage)
{
    CEBFFile file(ClassName);
    QString projectPath;
    const bool opened = readHeader(file, copy.file, projectPath);
    const QString where = file.damage();
    if (damage)
        *damage = where;
    if (!opened || !where.isEmpty() || !file.BeginSection(ProjectSection))
        return false;
    project.projectPath = pictureBase(projectPath);
    readProject(file, project);
    project.projectPath = projectPath;
    remove();
    m_file = copy.file;
    if (auto held = m_held.find(copy.file); held != m_held.end()) {
        m_lock = std::move(held->second);
        m_held.erase(held);
    }
    return true;
}

void RecoveryStore::drop(const Copy &copy)
{
    QFile::remove(copy.file);
    m_held.erase(copy.file);
}

void RecoveryStore::release()
{
    m_held.clear();
}

} // namespace velkari
