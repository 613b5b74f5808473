#include "editorsettings.h"

#include "keyboardtheme.h"

namespace velkari {

namespace {

const QString WindowGeometryKey = QStringLiteral("window/geometry");
const QString ShowKeysKey = QStringLiteral("canvas/showKeys");
const QString ZoomKey = QStringLiteral("canvas/zoom");
const QString PictureThemeKey = QStringLiteral("pictures/theme");
const QString RecentProjectsKey = QStringLiteral("files/recentProjects");

} // namespace

// The editor's own place, whatever the application's organisation is called.
EditorSettings::EditorSettings()
    : m_settings(QStringLiteral("velkari"), QStringLiteral("skin-editor"))
{
}

QByteArray EditorSettings::windowGeometry() const
{
    return m_settings.value(WindowGeometryKey).toByteArray();
}

void EditorSettings::setWindowGeometry(const QByteArray &geometry)
{
    m_settings.setValue(WindowGeometryKey, geometry);
}

bool EditorSettings::showKeys() const
{
    const QVariant value = m_settings.value(ShowKeysKey, true);
    return value.canConvert<bool>() ? value.toBool() : true;
}

void EditorSettings::setShowKeys(bool show)
{
    m_settings.setValue(ShowKeysKey, show);
}

int EditorSettings::zoom() const
{
    bool ok = false;
    const int zoom = m_settings.value(ZoomKey).toInt(&ok);
    return ok && zoom >= MinZoom && zoom <= MaxZoom ? zoom : MinZoom;
}

void EditorSettings::setZoom(int zoom)
{
    m_settings.setValue(ZoomKey, qBound(MinZoom, zoom, MaxZoom));
}

QString EditorSettings::pictureTheme() const
{
    const QString theme = m_settings.value(PictureThemeKey).toString();
    return KeyboardTheme::named(theme) ? theme : KeyboardTheme::names().first();
}

void EditorSettings::setPictureTheme(const QString &theme)
{
    m_settings.setValue(PictureThemeKey, theme);
}

QStringList EditorSettings::recentProjects() const
{
    QStringList paths;
    for (const QString &path : m_settings.value(RecentProjectsKey).toStringList()) {
        if (!path.isEmpty() && !paths.contains(path) && paths.size() < MaxRecentProjects)
            paths.append(path);
    }
    return paths;
}

void EditorSettings::addRecentProject(const QString &path)
{
    QStringList paths = recentProjects();
    paths.removeAll(path);
    paths.prepend(path);
    m_settings.setValue(RecentProjectsKey, paths.mid(0, MaxRecentProjects));
}

void EditorSettings::removeRecentProject(const QString &path)
{
    QStringList paths = recentProjects();
    paths.removeAll(path);
    m_settings.setValue(RecentProjectsKey, paths);
}

} // namespace velkari
