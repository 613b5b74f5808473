#include "keynames.h"

#include <Qt>

#include <QHash>

#include <algorithm>

namespace velkari {

namespace {

constexpr quint8 VkF1 = 0x70;
constexpr int FunctionKeyCount = 24;
constexpr quint8 VkNumpad0 = 0x60;

QList<NamedKey> buildTable()
{
    QList<NamedKey> keys{
        {0x08, 8, QStringLiteral("Backspace"), QStringLiteral("VK_BACK"), {QStringLiteral("Back"), QStringLiteral("BkSp"), QStringLiteral("\u232B")}},
        {0x09, 9, QStringLiteral("Tab"), QStringLiteral("VK_TAB"), {QStringLiteral("\u21E5"), QStringLiteral("\u21B9")}},
        {0x0C, 0, QStringLiteral("Clear"), QStringLiteral("VK_CLEAR"), {}},
        {0x0D, 13, QStringLiteral("Enter"), QStringLiteral("VK_RETURN"), {QStringLiteral("Return"), QStringLiteral("\u21B5"), QStringLiteral("\u23CE")}},
        {0x10, 0, QStringLiteral("Shift"), QStringLiteral("VK_SHIFT"), {QStringLiteral("\u21E7")}, 1, true},
        {0x11, 0, QStringLiteral("Ctrl"), QStringLiteral("VK_CONTROL"), {QStringLiteral("Control")}, 2, true},
        {0x12, 0, QStringLiteral("Alt"), QStringLiteral("VK_MENU"), {QStringLiteral("AltGr"), QStringLiteral("Option"), QStringLiteral("\u2325")}, 3, true},
        {0x13, 0, QStringLiteral("Pause"), QStringLiteral("VK_PAUSE"), {QStringLiteral("Break")}},
        {0x14, 0, QStringLiteral("Caps Lock"), QStringLiteral("VK_CAPITAL"), {QStringLiteral("Caps"), QStringLiteral("\u21EA")}, 4, false},
        {0x1B, 27, QStringLiteral("Esc"), QStringLiteral("VK_ESCAPE"), {QStringLiteral("Escape")}},
        {0x20, 32, QStringLiteral("Space"), QStringLiteral("VK_SPACE"), {QStringLiteral("Spacebar")}},
        {0x21, 0, QStringLiteral("Page Up"), QStringLiteral("VK_PRIOR"), {QStringLiteral("PgUp")}},
        {0x22, 0, QStringLiteral("Page Down"), QStringLiteral("VK_NEXT"), {QStringLiteral("PgDn")}},
        {0x23, 0, QStringLiteral("End"), QStringLiteral("VK_END"), {}},
        {0x24, 0, QStringLiteral("Home"), QStringLiteral("VK_HOME"), {}},
        {0x25, 0, QStringLiteral("Left"), QStringLiteral("VK_LEFT"), {QStringLiteral("\u2190")}},
        {0x26, 0, QStringLiteral("Up"), QStringLiteral("VK_UP"), {QStringLiteral("\u2191")}},
        {0x27, 0, QStringLiteral("Right"), QStringLiteral("VK_RIGHT"), {QStringLiteral("\u2192")}},
        {0x28, 0, QStringLiteral("Down"), QStringLiteral("VK_DOWN"), {QStringLiteral("\u2193")}},
        {0x2C, 0, QStringLiteral("Print Screen"), QStringLiteral("VK_SNAPSHOT"), {QStringLiteral("PrtSc")}},
        {0x2D, 0, QStringLiteral("Insert"), QStringLiteral("VK_INSERT"), {QStringLiteral("Ins")}},
        {0x2E, 0, QStringLiteral("Delete"), QStringLiteral("VK_DELETE"), {QStringLiteral("Del")}},
        {0x2F, 0, QStringLiteral("Help"), QStringLiteral("VK_HELP"), {}},
        {0x5B, 0, QStringLiteral("Win"), QStringLiteral("VK_LWIN"), {QStringLiteral("Windows"), QStringLiteral("Super"), QStringLiteral("Cmd"), QStringLiteral("Command"), QStringLiteral("\u2318")}},
        {0x5D, 0, QStringLiteral("Menu"), QStringLiteral("VK_APPS"), {QStringLiteral("Apps")}},
        {0x6A, u'*', QStringLiteral("Num *"), QStringLiteral("VK_MULTIPLY"), {}},
        {0x6B, u'+', QStringLiteral("Num +"), QStringLiteral("VK_ADD"), {}},
        {0x6D, u'-', QStringLiteral("Num -"), QStringLiteral("VK_SUBTRACT"), {}},
        {0x6E, u'.', QStringLiteral("Num ."), QStringLiteral("VK_DECIMAL"), {}},
        {0x6F, u'/', QStringLiteral("Num /"), QStringLiteral("VK_DIVIDE"), {}},
        {0x90, 0, QStringLiteral("Num Lock"), QStringLiteral("VK_NUMLOCK"), {}},
        {0x91, 0, QStringLiteral("Scroll Lock"), QStringLiteral("VK_SCROLL"), {}},
    };
    for (int n = 0; n <= 9; ++n) {
        keys.append({quint8(VkNumpad0 + n), char16_t(u'0' + n), QStringLiteral("Num %1").arg(n),
                     QStringLiteral("VK_NUMPAD%1").arg(n), {}});
    }
    for (int n = 1; n <= FunctionKeyCount; ++n)
        keys.append({quint8(VkF1 + n - 1), 0, QStringLiteral("F%1").arg(n), QStringLiteral("VK_F%1").arg(n), {}});
    std::sort(keys.begin(), keys.end(), [](const NamedKey &a, const NamedKey &b) { return a.vk < b.vk; });
    return keys;
}

// Letter case, spaces, underscores and hyphens between letters do not tell names apart; "Num -"
// keeps its minus.
QString folded(QStringView name)
{
    QString key;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const bool joining = c == u'-' && i > 0 && name[i - 1].isLetter() && i + 1 < name.size() && name[i + 1].isLetter();
        if (c != u' ' && c != u'_' && !joining)
            key.append(c.toLower());
    }
    return key;
}

struct Index
{
    QHash<QString, const NamedKey *> byName;
    QHash<int, const NamedKey *> byVk;
};

const Index &index()
{
    static const Index built = [] {
        Index index;
        for (const NamedKey &key : namedKeys()) {
            index.byVk.insert(key.vk, &key);
            index.byName.insert(folded(key.name), &key);
            index.byName.insert(folded(key.constant), &key);
            for (const QString &alias : key.aliases)
                index.byName.insert(folded(alias), &key);
        }
        return index;
    }();
    return built;
}

// Letters and digits are their own keys; the table holds them only when asked by name.
const NamedKey *letterOrDigitKey(char16_t c)
{
    static const QList<NamedKey> keys = [] {
        QList<NamedKey> list;
        for (char16_t d = u'0'; d <= u'9'; ++d)
            list.append({quint8(d), d, QString(QChar(d)), QStringLiteral("VK_%1").arg(QChar(d)), {}});
        for (char16_t l = u'A'; l <= u'Z'; ++l)
            list.append({quint8(l), char16_t(l - u'A' + u'a'), QString(QChar(l)), QStringLiteral("VK_%1").arg(QChar(l)), {}});
        return list;
    }();
    if (c >= u'0' && c <= u'9')
        return &keys[c - u'0'];
    if (c >= u'a' && c <= u'z')
        c = char16_t(c - u'a' + u'A');
    if (c >= u'A' && c <= u'Z')
        return &keys[10 + (c - u'A')];
    return nullptr;
}

} // namespace

const QList<NamedKey> &namedKeys()
{
    static const QList<NamedKey> table = buildTable();
    return table;
}

const NamedKey *findNamedKey(QStringView name)
{
    const QString key = folded(name.trimmed());
    if (key.isEmpty())
        return nullptr;
    if (key.size() == 1) {
        if (const NamedKey *own = letterOrDigitKey(key.front().unicode()))
            return own;
    }
    if (const NamedKey *named = index().byName.value(key))
        return named;
    if (key.size() == 3 && key.startsWith(QLatin1String("vk")))
        return letterOrDigitKey(key.back().unicode());
    return nullptr;
}

const NamedKey *namedKeyForVk(int vk)
{
    if ((vk >= u'0' && vk <= u'9') || (vk >= u'A' && vk <= u'Z'))
        return letterOrDigitKey(char16_t(vk));
    return index().byVk.value(vk);
}

quint8 vkForCharacter(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return quint8(c - u'a' + u'A');
    if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u' ')
        return quint8(c);
    switch (c) {
    case 8:
    case 9:
    case 13:
    case 27:
        return quint8(c);
    default:
        break;
    }
    const std::u16string_view shiftedDigits = u")!@#$%^&*(";
    if (const size_t at = shiftedDigits.find(c); at != std::u16string_view::npos)
        return quint8(u'0' + at);
    static constexpr struct {
        char16_t plain, shifted;
        quint8 vk;
    } punctuation[] = {
        {u';', u':', 0xBA}, {u'=', u'+', 0xBB}, {u',', u'<', 0xBC}, {u'-', u'_', 0xBD},
        {u'.', u'>', 0xBE}, {u'/', u'?', 0xBF}, {u'`', u'~', 0xC0}, {u'[', u'{', 0xDB},
        {u'\\', u'|', 0xDC}, {u']', u'}', 0xDD}, {u'\'', u'"', 0xDE},
    };
    for (const auto &entry : punctuation) {
        if (c == entry.plain || c == entry.shifted)
            return entry.vk;
    }
    return 0;
}

std::optional<KeyCodes> keyCodesForQtKey(int qtKey, const QString &text, bool keypad)
{
    static const QHash<int, quint8> special{
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},      {Qt::Key_Backtab, 0x09},   {Qt::Key_Clear, 0x0C},
        {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},    {Qt::Key_Shift, 0x10},     {Qt::Key_Control, 0x11},
        {Qt::Key_Alt, 0x12},       {Qt::Key_AltGr, 0x12},    {Qt::Key_Pause, 0x13},     {Qt::Key_CapsLock, 0x14},
        {Qt::Key_Escape, 0x1B},    {Qt::Key_Space, 0x20},    {Qt::Key_PageUp, 0x21},    {Qt::Key_PageDown, 0x22},
        {Qt::Key_End, 0x23},       {Qt::Key_Home, 0x24},     {Qt::Key_Left, 0x25},      {Qt::Key_Up, 0x26},
        {Qt::Key_Right, 0x27},     {Qt::Key_Down, 0x28},     {Qt::Key_Print, 0x2C},     {Qt::Key_Insert, 0x2D},
        {Qt::Key_Delete, 0x2E},    {Qt::Key_Help, 0x2F},     {Qt::Key_Meta, 0x5B},      {Qt::Key_Super_L, 0x5B},
        {Qt::Key_Menu, 0x5D},      {Qt::Key_NumLock, 0x90},  {Qt::Key_ScrollLock, 0x91},
    };
    const char16_t typed = text.size() == 1 ? text.front().unicode() : 0;
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + FunctionKeyCount)
        return KeyCodes{0, quint8(VkF1 + (qtKey - Qt::Key_F1))};
    if (const auto found = special.constFind(qtKey); found != special.cend()) {
        const NamedKey *named = namedKeyForVk(*found);
        return KeyCodes{quint16(named ? named->charCode : 0), *found};
    }
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return KeyCodes{quint16(typed ? typed : qtKey), quint8(VkNumpad0 + (qtKey - Qt::Key_0))};
    if (keypad) {
        for (const NamedKey &key : namedKeys()) {
            if (key.vk >= 0x6A && key.vk <= 0x6F && key.charCode && key.charCode == typed)
                return KeyCodes{typed, key.vk};
        }
    }
    // Printable keys send what they typed, with the code of the key it is typed on; a key that
    // typed nothing (a dead key, a letter with Ctrl) still names its letter or digit.
    if (typed >= 0x20 && typed != 0x7F) {
        const quint8 vk = vkForCharacter(typed);
        if (vk || typed > 0x7F)
            return KeyCodes{typed, vk};
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return KeyCodes{quint16(qtKey >= Qt::Key_A ? qtKey - Qt::Key_A + u'a' : qtKey), quint8(qtKey)};
    return std::nullopt;
}

} // namespace velkari
