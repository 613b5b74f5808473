#include "kleexport.h"

#include "buttonfunctions.h"
#include "legendmapping.h"
#include "skinlayout.h"

#include <QHash>
#include <QStringList>

namespace velkari {

namespace {

QString jsonString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += u'\\' + QString(c);
        else if (c == u'\n')
            quoted += QLatin1String("\\n");
        else if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            quoted += c;
    }
    return quoted + u'"';
}

// Four decimals keep every pixel width: a layout is at most 640 pixels wide.
QString unitsText(double units)
{
    QString text = QString::number(units, 'f', 4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

bool isBlank(const SkinButton &button)
{
    return buttonKind(button.flags) == KindCharacter && button.charCode == 0 && button.vk == 0;
}

// The most common key width, the narrower of two as common.
int commonWidth(const SkinLayout &layout)
{
    QHash<int, int> counts;
    for (const auto &row : layout.rows) {
        for (const auto &button : row->buttons) {
            if (!button->isPlaceholder() && button->width > 0)
                ++counts[button->width];
        }
    }
    int best = 1;
    int bestCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount || (it.value() == bestCount && it.key() < best)) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return best;
}

} // namespace

QByteArray exportKleLayout(const SkinLayout &layout)
{
    const double unit = commonWidth(layout);
    int lastRowWithKeys = -1;
    for (const auto &row : layout.rows) {
        for (const auto &button : row->buttons) {
            if (!button->isPlaceholder())
                lastRowWithKeys = row->index;
        }
    }
    QStringList lines;
    if (!layout.name.isEmpty())
        lines.append(QStringLiteral("{\"name\":%1}").arg(jsonString(layout.name)));
    for (const auto &row : layout.rows) {
        QStringList entries;
        for (const auto &button : row->buttons) {
            if (button->isPlaceholder())
                continue;
            const double units = button->width / unit;
            QStringList properties;
            if (isBlank(*button))
                properties.append(QStringLiteral("\"d\":true"));
            if (unitsText(units) != QLatin1String("1"))
                properties.append(QStringLiteral("\"w\":%1").arg(unitsText(units)));
            if (!properties.isEmpty())
                entries.append(u'{' + properties.join(u',') + u'}');
            const bool spaceBar = row->index == lastRowWithKeys && units >= 3;
            entries.append(jsonString(isBlank(*button) ? legendMarkup(button->caption)
                                                       : legendTextForKey(*button, spaceBar)));
        }
        lines.append(u'[' + entries.join(u',') + u']');
    }
    return (u'[' + lines.join(QStringLiteral(",\n")) + QStringLiteral("]\n")).toUtf8();
}

} // namespace velkari
