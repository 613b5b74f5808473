#include "legendmapping.h"

#include "keynames.h"
#include "skinbutton.h"

#include <QCoreApplication>
#include <QHash>

#include <optional>

namespace velkari {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::LegendMapping)
};

// One character of the Basic Multilingual Plane: the device stores 16 bits per key.
std::optional<char16_t> singleCharacter(const QString &legend)
{
    if (legend.size() != 1 || legend.front().isSurrogate() || legend.front().unicode() < 0x20)
        return std::nullopt;
    return legend.front().unicode();
}

LegendMapping characterMapping(char16_t c)
{
    if (QChar(c).isUpper())
        c = QChar(c).toLower().unicode();
    return {true, false, ButtonFlagCharacter, c, vkForCharacter(c), QString(QChar(c))};
}

LegendMapping namedMapping(const NamedKey &key)
{
    const bool character = key.name.size() == 1; // letters and digits are their own names
    quint16 flags = ButtonFlagCharacter | quint16(key.toggle << 12);
    if (key.autoRelease)
        flags |= ButtonFlagAutoToggle;
    return {true, !character, flags, key.charCode, key.vk, character ? QString(QChar(key.charCode)) : key.name};
}

bool isSurrogatePair(const QString &legend)
{
    return legend.size() == 2 && legend[0].isHighSurrogate() && legend[1].isLowSurrogate();
}

QChar entityCharacter(QStringView name)
{
    static const QHash<QString, char16_t> named{
        {QStringLiteral("amp"), u'&'},       {QStringLiteral("lt"), u'<'},        {QStringLiteral("gt"), u'>'},
        {QStringLiteral("quot"), u'"'},      {QStringLiteral("apos"), u'\''},     {QStringLiteral("nbsp"), u' '},
        {QStringLiteral("larr"), u'\u2190'}, {QStringLiteral("uarr"), u'\u2191'}, {QStringLiteral("rarr"), u'\u2192'},
        {QStringLiteral("darr"), u'\u2193'}, {QStringLiteral("crarr"), u'\u21B5'},
    };
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint code = name.size() > 1 && (name[1] == u'x' || name[1] == u'X') ? name.mid(2).toUInt(&ok, 16)
                                                                                  : name.mid(1).toUInt(&ok, 10);
        return ok && code >= 0x20 && code < 0xD800 ? QChar(char16_t(code)) : QChar();
    }
    return QChar(named.value(name.toString(), 0));
}

} // namespace

QString captionOfLegends(const QStringList &legends)
{
    for (const QString &legend : legends) {
        if (!legend.isEmpty())
            return legend;
    }
    return {};
}

LegendMapping mapLegends(const QStringList &legends, bool spaceBar)
{
    QStringList present;
    for (const QString &legend : legends) {
        if (!legend.isEmpty())
            present.append(legend);
    }
    for (int top = 0; top + LegendRowStep < legends.size() && top < 3; ++top) {
        const auto shifted = singleCharacter(legends[top]);
        const auto unshifted = singleCharacter(legends[top + LegendRowStep]);
        // "8" over an arrow is a number pad's key, not a shifted character.
        const NamedKey *lowerKey = unshifted ? findNamedKey(legends[top + LegendRowStep]) : nullptr;
        if (shifted && unshifted && (!lowerKey || lowerKey->name.size() == 1)) {
            const char16_t c = *unshifted;
            return {true, false, ButtonFlagCharacter, c, vkForCharacter(c), QString(QChar(c))};
        }
    }
    if (present.size() > 1) {
        if (const NamedKey *key = findNamedKey(present.join(u' ')))
            return namedMapping(*key);
    }
    for (const QString &legend : present) {
        if (const NamedKey *key = findNamedKey(legend))
            return namedMapping(*key);
        if (const auto c = singleCharacter(legend))
            return characterMapping(*c);
    }
    LegendMapping none;
    if (present.isEmpty() && spaceBar) {
        if (const NamedKey *space = findNamedKey(u"Space"))
            return namedMapping(*space);
    }
    if (present.isEmpty())
        none.meaning = Text::tr("no legend");
    else if (isSurrogatePair(present.first()))
        none.meaning = Text::tr("a character beyond U+FFFF, which a key cannot send");
    else
        none.meaning = Text::tr("not a key name");
    return none;
}

QString plainLegend(const QString &markup)
{
    QString plain;
    for (qsizetype i = 0; i < markup.size(); ++i) {
        const QChar c = markup[i];
        const QChar after = i + 1 < markup.size() ? markup[i + 1] : QChar();
        if (c == u'<' && (after.isLetter() || after == u'/' || after == u'!')) {
            const qsizetype end = markup.indexOf(u'>', i);
            if (end > 0) {
                const QStringView tag = QStringView(markup).sliced(i + 1, end - i - 1);
                if (tag.startsWith(QLatin1String("br"), Qt::CaseInsensitive))
                    plain.append(u' ');
                i = end;
                continue;
            }
        }
        if (c == u'&') {
            const qsizetype end = markup.indexOf(u';', i);
            if (end > i + 1 && end - i <= 10) {
                const QChar decoded = entityCharacter(QStringView(markup).sliced(i + 1, end - i - 1));
                if (!decoded.isNull()) {
                    plain.append(decoded);
                    i = end;
                    continue;
                }
            }
        }
        plain.append(c);
    }
    return plain.trimmed();
}

QString legendMarkup(const QString &plain)
{
    QString markup = plain;
    return markup.replace(u'&', QLatin1String("&amp;"))
        .replace(u'<', QLatin1String("&lt;"))
        .replace(u'>', QLatin1String("&gt;"));
}

QString legendTextForKey(const SkinButton &button, bool spaceBar)
{
    const auto gives = [&](const QStringList &legends) {
        const LegendMapping mapping = mapLegends(legends, spaceBar);
        return mapping.mapped && mapping.flags == button.flags && mapping.charCode == button.charCode
            && mapping.vk == button.vk;
    };
    const QString caption = legendMarkup(button.caption);
    // Under no caption, the name would become the caption.
    if (button.caption.isEmpty() || gives({button.caption}))
        return caption;
    QStringList sayings;
    if (const NamedKey *key = namedKeyForVk(button.vk))
        sayings.append(key->name);
    if (button.charCode >= 0x20 && !QChar(button.charCode).isSurrogate())
        sayings.append(QString(QChar(button.charCode)));
    for (const QString &saying : sayings) {
        QStringList legends(LegendRowStep + 1);
        legends.first() = button.caption;
        legends.last() = saying;
        if (gives(legends))
            return caption + u'\n' + legendMarkup(saying);
    }
    return caption;
}

} // namespace velkari
