#include "filedialogfilters.h"

#include "editorsettings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace velkari {

void setFileDialogFilters(QFileDialog &dialog, const QStringList &filters)
{
    // The dialog matches the patterns in a filter's last parentheses and, with its details
    // hidden, shows the text before them: so each filter is followed by the patterns it means.
    static const QRegularExpression lastParentheses(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    QStringList meant;
    for (const QString &filter : filters) {
        const QRegularExpressionMatch match = lastParentheses.match(filter);
        QStringList patterns = (match.hasMatch() ? match.captured(1) : filter).split(u' ', Qt::SkipEmptyParts);
        patterns.replaceInStrings(QRegularExpression(QStringLiteral("^\\*\\.\\*$")), QStringLiteral("*"));
        meant << filter + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(meant);
}

QString fileDialogFolder(const QStringList &files)
{
    for (const QString &file : files + EditorSettings().recentProjects()) {
        const QFileInfo info(file);
        if (!file.isEmpty() && info.isAbsolute() && info.absoluteDir().exists())
            return info.absolutePath();
    }
    return QDir::homePath();
}

} // namespace velkari
