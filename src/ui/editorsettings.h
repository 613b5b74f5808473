#pragma once

#include <QByteArray>
#include <QSettings>

namespace velkari {

// What the editor remembers between runs. Values that do not make sense (a hand-edited file, an
// older version) read as the defaults.
class EditorSettings
{
public:
    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 4;

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

private:
    QSettings m_settings;
};

} // namespace velkari
