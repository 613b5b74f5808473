#include "skintemplates.h"

#include "skinproject.h"
#include "templatelayout.h"

#include <functional>

namespace velkari {

namespace {

using LayoutSet = std::vector<TemplateLayout>;

quint32 colorRef(int red, int green, int blue)
{
    return quint32(blue) << 16 | quint32(green) << 8 | quint32(red);
}

// Letters, Numbers & Symbols and Calculator link to each other by keys, and by drag-up in a
// circle, so each is reached from the others and left again.
enum LetterLayouts : int { LettersLayout, NumbersLayout, CalculatorLayout };

TemplateLayout numbersAndSymbols()
{
    return {QStringLiteral("Numbers & Symbols"), 0, CalculatorLayout,
            {
                characterKeys(u"1234567890"),
                joinKeys({characterKeys(u"-/:;()&@!"), {backspaceKey(2)}}),
                joinKeys({characterKeys(u"_%#*+=\"'"), {enterKey(4)}}),
                {layoutKey(QStringLiteral("abc"), LettersLayout, 3),
                 layoutKey(QStringLiteral("Calc"), CalculatorLayout, 3), characterKey(u','), spaceKey(8),
                 characterKey(u'.'), characterKey(u'?')},
            }};
}

TemplateLayout calculator(const QString &backCaption, int backLayout, qint8 dragUpLayout)
{
    return {QStringLiteral("Calculator"), LayoutFlagCalculator, dragUpLayout,
            {
                {calculatorKey(QStringLiteral("MC"), CalcMemoryClear),
                 calculatorKey(QStringLiteral("MR"), CalcMemoryRecall), calculatorKey(QStringLiteral("M+"), CalcMemoryAdd),
                 calculatorKey(QStringLiteral(u"\u00B1"), CalcChangeSign),
                 calculatorKey(QStringLiteral(u"\u221A"), CalcSquareRoot)},
                {calculatorKey(QStringLiteral("7"), CalcDigit7), calculatorKey(QStringLiteral("8"), CalcDigit8),
                 calculatorKey(QStringLiteral("9"), CalcDigit9), calculatorKey(QStringLiteral(u"\u00F7"), CalcDivide),
                 calculatorKey(QStringLiteral("C"), CalcClear)},
                {calculatorKey(QStringLiteral("4"), CalcDigit4), calculatorKey(QStringLiteral("5"), CalcDigit5),
                 calculatorKey(QStringLiteral("6"), CalcDigit6), calculatorKey(QStringLiteral(u"\u00D7"), CalcMultiply),
                 calculatorKey(QStringLiteral("CE"), CalcClearEntry)},
                {calculatorKey(QStringLiteral("1"), CalcDigit1), calculatorKey(QStringLiteral("2"), CalcDigit2),
                 calculatorKey(QStringLiteral("3"), CalcDigit3), calculatorKey(QStringLiteral(u"\u2212"), CalcSubtract),
                 calculatorKey(QStringLiteral("%"), CalcPercent)},
                {calculatorKey(QStringLiteral("0"), CalcDigit0), calculatorKey(QStringLiteral("."), CalcPoint),
                 calculatorKey(QStringLiteral("="), CalcEquals), calculatorKey(QStringLiteral("+"), CalcAdd),
                 calculatorKey(QStringLiteral("Send"), CalcDisplay)},
                {layoutKey(backCaption, backLayout, 4), backspaceKey(4), spaceKey(8), enterKey(4)},
            }};
}

LayoutSet lettersTemplate(std::vector<TemplateRow> letterRows)
{
    return {
        {QStringLiteral("Letters"), 0, NumbersLayout, std::move(letterRows)},
        numbersAndSymbols(),
        calculator(QStringLiteral("abc"), LettersLayout, LettersLayout),
    };
}

TemplateKey numberPadKey(char16_t c)
{
    return characterKey(c, 1);
}

// A phone's key order: 1 2 3 at the top.
TemplateLayout numberPad(const QString &otherCaption, int otherLayout, qint8 dragUpLayout)
{
    return {QStringLiteral("Number Pad"), 0, dragUpLayout,
            {
                {numberPadKey(u'1'), numberPadKey(u'2'), numberPadKey(u'3'), backspaceKey(1)},
                {numberPadKey(u'4'), numberPadKey(u'5'), numberPadKey(u'6'), spaceKey(1)},
                {numberPadKey(u'7'), numberPadKey(u'8'), numberPadKey(u'9'), enterKey(1)},
                {numberPadKey(u'*'), numberPadKey(u'0'), numberPadKey(u'#'), layoutKey(otherCaption, otherLayout, 1)},
            }};
}

TemplateLayout padSymbols(int padLayout)
{
    return {QStringLiteral("Symbols"), 0, qint8(padLayout),
            {
                {numberPadKey(u'+'), numberPadKey(u'-'), numberPadKey(u'/'), numberPadKey(u'='), backspaceKey(1)},
                {numberPadKey(u'('), numberPadKey(u')'), numberPadKey(u'.'), numberPadKey(u','), spaceKey(1)},
                {numberPadKey(u'%'), numberPadKey(u':'), numberPadKey(u';'), numberPadKey(u'$'), enterKey(1)},
                {layoutKey(QStringLiteral("123"), padLayout, 2), numberPadKey(u'@'), numberPadKey(u'&'),
                 numberPadKey(u'\'')},
            }};
}

struct TemplateDefinition
{
    SkinTemplateInfo info;
    std::function<LayoutSet()> layouts;
};

const std::vector<TemplateDefinition> &definitions()
{
    static const std::vector<TemplateDefinition> all{
        {{QStringLiteral("qwerty"),
          QStringLiteral("English letters (QWERTY) with a one-shot Shift, numbers and symbols, a calculator")},
         [] {
             return lettersTemplate({
                 characterKeys(u"qwertyuiop"),
                 joinKeys({characterKeys(u"asdfghjkl"), {backspaceKey(2)}}),
                 joinKeys({{shiftKey(3)}, characterKeys(u"zxcvbnm"), {enterKey(3)}}),
                 {layoutKey(QStringLiteral("123"), NumbersLayout, 3), characterKey(u','), spaceKey(9),
                  characterKey(u'.'), characterKey(u'?'), characterKey(u'!')},
             });
         }},
        {{QStringLiteral("azerty"),
          QStringLiteral("French letters (AZERTY) with a one-shot Shift, numbers and symbols, a calculator")},
         [] {
             return lettersTemplate({
                 characterKeys(u"azertyuiop"),
                 characterKeys(u"qsdfghjklm"),
                 joinKeys({{shiftKey(3)}, characterKeys(u"wxcvbn\'"), {backspaceKey(3)}}),
                 {layoutKey(QStringLiteral("123"), NumbersLayout, 3), characterKey(u'\u00E9'), characterKey(u','),
                  spaceKey(7), characterKey(u'.'), enterKey(4)},
             });
         }},
        {{QStringLiteral("qwertz"),
          QStringLiteral("German letters (QWERTZ) with a one-shot Shift, numbers and symbols, a calculator")},
         [] {
             return lettersTemplate({
                 characterKeys(u"qwertzuiop\u00FC"),
                 characterKeys(u"asdfghjkl\u00F6\u00E4"),
                 joinKeys({{shiftKey(3)}, characterKeys(u"yxcvbnm\u00DF"), {backspaceKey(3)}}),
                 {layoutKey(QStringLiteral("123"), NumbersLayout, 3), characterKey(u','), spaceKey(11),
                  characterKey(u'.'), enterKey(4)},
             });
         }},
        {{QStringLiteral("numeric"), QStringLiteral("A phone-style number pad and a pad of symbols")},
         [] { return LayoutSet{numberPad(QStringLiteral("+="), 1, 1), padSymbols(0)}; }},
        {{QStringLiteral("calculator"), QStringLiteral("A calculator and a phone-style number pad")},
         [] { return LayoutSet{calculator(QStringLiteral("123"), 1, 1), numberPad(QStringLiteral("Calc"), 0, 0)}; }},
    };
    return all;
}

} // namespace

const QList<SkinTemplateInfo> &skinTemplates()
{
    static const QList<SkinTemplateInfo> infos = [] {
        QList<SkinTemplateInfo> list;
        for (const TemplateDefinition &definition : definitions())
            list.append(definition.info);
        return list;
    }();
    return infos;
}

int shapeScreenWidth(int shape)
{
    static const int widths[ScreenShapeCount] = {240, 320, 480, 640};
    return shape >= 0 && shape < ScreenShapeCount ? widths[shape] : 0;
}

bool buildTemplateProject(SkinProject &project, const QString &name)
{
    for (const TemplateDefinition &definition : definitions()) {
        if (definition.info.name != name)
            continue;
        const LayoutSet layouts = definition.layouts();
        project.resetToDefaults();
        project.highlightColor = colorRef(0xF5, 0xA6, 0x23);
        for (int shape = 0; shape < ScreenShapeCount; ++shape) {
            const auto rowHeight = quint16(screenShapeKeyHeight(shape));
            for (const TemplateLayout &layout : layouts)
                project.layoutList(shape).append(buildTemplateLayout(layout, shapeScreenWidth(shape), rowHeight));
        }
        return true;
    }
    return false;
}

} // namespace velkari
