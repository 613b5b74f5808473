#pragma once

#include <QByteArray>
#include <QSettings>
#include <QStringList>

namespace velkari {

// What the editor remembers between runs. Values that do not make sense (a hand-edited file, an
// older version) read as the defaults.
class EditorSettings
{
public:
    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 4;
    static constexpr int MaxRecentProjects = 8;

    EditorSettings();

    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &geometry);
    bool showKeys() const;
    void setShowKeys(bool show);
    int zoom() const;
    void setZoom(int zoom);
    // The theme the editor draws pictures in: the one last chosen for a new project.
    QString pictureTheme() const;
    void setPictureTheme(const QString &theme);
    // The projects opened or saved last, the newest first.
    QStringList recentProjects() const;
    void addRecentProject(const QString &path);
    void removeRecentProject(const QString &path);

private:
    QSettings m_settings;
};

} // namespace velkari
