#include "examplekeyboard.h"

#include "buttonfunctions.h"

#include <QDir>

#include <initializer_list>
#include <string_view>
#include <vector>

namespace velkari {

namespace {

enum LayoutNumber : quint16 { LettersLayout = 0, NumbersLayout = 1, CalculatorLayout = 2 };

constexpr int HalfStepsPerRow = 20;
constexpr quint8 VkShift = 0x10;

struct Key
{
    QString caption;
    int halfSteps;
    quint16 flags;
    quint16 charCode;
    quint8 vk;
};

using Row = std::vector<Key>;

struct LayoutDefinition
{
    QString name;
    QString pictureName; // after the shape's stem
    quint16 flags;
    qint8 dragUpLayout;
    std::vector<Row> rows;
};

// The key a character is typed with on a US keyboard; shifted symbols share their key.
quint8 virtualKey(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return quint8(c - u'a' + u'A');
    if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u' ')
        return quint8(c);
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

Key character(char16_t c, int halfSteps = 2)
{
    return {QString(QChar(c)), halfSteps, ButtonFlagCharacter, c, virtualKey(c)};
}

Row characters(std::u16string_view text)
{
    Row row;
    for (char16_t c : text)
        row.push_back(character(c));
    return row;
}

Row join(std::initializer_list<Row> parts)
{
    Row row;
    for (const Row &part : parts)
        row.insert(row.end(), part.begin(), part.end());
    return row;
}

// The device finds Enter, Space and Backspace by charCode and vk both being 13, 32 or 8.
Key enter(int halfSteps) { return {QStringLiteral(u"\u21B5"), halfSteps, ButtonFlagCharacter, 13, 13}; }
Key space(int halfSteps) { return {QStringLiteral("space"), halfSteps, ButtonFlagCharacter, 32, 32}; }
Key backspace(int halfSteps) { return {QStringLiteral(u"\u232B"), halfSteps, ButtonFlagCharacter, 8, 8}; }

// Toggle button 1, released by the next key: one shifted letter, as on a phone keyboard.
Key shift(int halfSteps)
{
    return {QStringLiteral(u"\u21E7"), halfSteps, quint16(ButtonFlagCharacter | ButtonFlagAutoToggle | (1 << 12)), 0,
            VkShift};
}

Key goTo(const QString &caption, LayoutNumber layout, int halfSteps)
{
    return {caption, halfSteps, ButtonFlagChangeLayout, layout, 0};
}

Key calc(const QString &caption, CalcKey code)
{
    return {caption, 4, ButtonFlagCalculator, quint16(code), 0};
}

std::vector<LayoutDefinition> exampleLayouts()
{
    const QString abc = QStringLiteral("abc");
    std::vector<LayoutDefinition> layouts;
    layouts.push_back({QStringLiteral("Letters"), QStringLiteral("letters.gif"), 0, NumbersLayout,
                       {
                           characters(u"qwertyuiop"),
                           join({characters(u"asdfghjkl"), {backspace(2)}}),
                           join({{shift(3)}, characters(u"zxcvbnm"), {enter(3)}}),
                           {goTo(QStringLiteral("123"), NumbersLayout, 3), character(u','), space(9),
                            character(u'.'), character(u'?'), character(u'!')},
                       }});
    layouts.push_back({QStringLiteral("Numbers & Symbols"), QStringLiteral("numbers.bmp"), 0, CalculatorLayout,
                       {
                           characters(u"1234567890"),
                           join({characters(u"-/:;()&@!"), {backspace(2)}}),
                           join({characters(u"_%#*+=\"'"), {enter(4)}}),
                           {goTo(abc, LettersLayout, 3), goTo(QStringLiteral("Calc"), CalculatorLayout, 3),
                            character(u','), space(8), character(u'.'), character(u'?')},
                       }});
    layouts.push_back({QStringLiteral("Calculator"), QStringLiteral("calculator.gif"), LayoutFlagCalculator,
                       LettersLayout,
                       {
                           {calc(QStringLiteral("MC"), CalcMemoryClear), calc(QStringLiteral("MR"), CalcMemoryRecall),
                            calc(QStringLiteral("M+"), CalcMemoryAdd), calc(QStringLiteral(u"\u00B1"), CalcChangeSign),
                            calc(QStringLiteral(u"\u221A"), CalcSquareRoot)},
                           {calc(QStringLiteral("7"), CalcDigit7), calc(QStringLiteral("8"), CalcDigit8),
                            calc(QStringLiteral("9"), CalcDigit9), calc(QStringLiteral(u"\u00F7"), CalcDivide),
                            calc(QStringLiteral("C"), CalcClear)},
                           {calc(QStringLiteral("4"), CalcDigit4), calc(QStringLiteral("5"), CalcDigit5),
                            calc(QStringLiteral("6"), CalcDigit6), calc(QStringLiteral(u"\u00D7"), CalcMultiply),
                            calc(QStringLiteral("CE"), CalcClearEntry)},
                           {calc(QStringLiteral("1"), CalcDigit1), calc(QStringLiteral("2"), CalcDigit2),
                            calc(QStringLiteral("3"), CalcDigit3), calc(QStringLiteral(u"\u2212"), CalcSubtract),
                            calc(QStringLiteral("%"), CalcPercent)},
                           {calc(QStringLiteral("0"), CalcDigit0), calc(QStringLiteral("."), CalcPoint),
                            calc(QStringLiteral("="), CalcEquals), calc(QStringLiteral("+"), CalcAdd),
                            calc(QStringLiteral("Send"), CalcDisplay)},
                           {goTo(abc, LettersLayout, 4), backspace(4), space(8), enter(4)},
                       }});
    return layouts;
}

quint32 colorRef(int red, int green, int blue)
{
    return quint32(blue) << 16 | quint32(green) << 8 | quint32(red);
}

} // namespace

ShapeMetrics exampleShapeMetrics(int shape)
{
    switch (shape) {
    case Landscape:
        return {320, 18, 10, "landscape"};
    case HiResPortrait:
        return {480, 40, 21, "hires-portrait"};
    case HiResLandscape:
        return {640, 36, 19, "hires-landscape"};
    default:
        return {240, 20, 11, "portrait"};
    }
}

void buildExampleProject(SkinProject &project, const QString &pictureFolder)
{
    project.resetToDefaults();
    project.highlightColor = colorRef(0xF5, 0xA6, 0x23);
    const QDir pictures(pictureFolder);
    const std::vector<LayoutDefinition> definitions = exampleLayouts();
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const ShapeMetrics metrics = exampleShapeMetrics(shape);
        Q_ASSERT(metrics.width % HalfStepsPerRow == 0);
        for (const LayoutDefinition &definition : definitions) {
            auto layout = std::make_unique<SkinLayout>();
            layout->name = definition.name;
            layout->picFileName = pictures.filePath(
                QString::fromLatin1(metrics.fileStem).append(u'-').append(definition.pictureName));
            layout->flags = definition.flags;
            layout->dragUpLayout = definition.dragUpLayout;
            for (const Row &keys : definition.rows) {
                auto row = std::make_unique<SkinRow>();
                row->height = metrics.rowHeight;
                for (const Key &key : keys) {
                    auto button = std::make_unique<SkinButton>();
                    button->caption = key.caption;
                    button->flags = key.flags;
                    button->charCode = key.charCode;
                    button->vk = key.vk;
                    button->width = quint16(key.halfSteps * metrics.width / HalfStepsPerRow);
                    row->buttons.append(std::move(button));
                }
                layout->rows.append(std::move(row));
            }
            FixRowPlaceholders(*layout);
            project.layoutList(shape).append(std::move(layout));
        }
    }
}

} // namespace velkari
