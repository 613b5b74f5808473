#include "buttonfunctions.h"
#include "kleexport.h"
#include "kleimport.h"
#include "skintemplates.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

using namespace velkari;

namespace {

QByteArray sample(const char *name)
{
    QFile file(QStringLiteral(VELKARI_TEST_DATA "/kle/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString readError(const QByteArray &text)
{
    QString error;
    return readKleKeyboard(text, &error) ? QString() : error;
}

std::unique_ptr<SkinLayout> imported(const QByteArray &text, int shape = Portrait, KleImport *plan = nullptr)
{
    const std::optional<KleKeyboard> keyboard = readKleKeyboard(text, nullptr);
    if (!keyboard)
        return nullptr;
    const KleImport import(*keyboard);
    if (plan)
        *plan = import;
    return import.layoutFor(shape, QStringLiteral("imported"));
}

bool isBlank(const SkinButton &button)
{
    return button.flags == ButtonFlagCharacter && button.charCode == 0 && button.vk == 0;
}

// "a:96 []:48 | c:240": captions and widths, blank keys' captions in brackets.
QString rowsText(const SkinLayout &layout)
{
    QStringList rows;
    for (const auto &row : layout.rows) {
        QStringList keys;
        for (const auto &button : row->buttons) {
            if (!button->isPlaceholder())
                keys << (isBlank(*button) ? u'[' + button->caption + u']' : button->caption) + u':'
                        + QString::number(button->width);
        }
        rows << keys.join(u' ');
    }
    return rows.join(QStringLiteral(" | "));
}

// Captions at their places in key units, to tell two readings apart.
QString fingerprint(const KleKeyboard &keyboard)
{
    QString text = keyboard.name;
    for (const KleRow &row : keyboard.rows) {
        text += QStringLiteral(" |");
        for (const KleKey &key : row.keys)
            text += QStringLiteral(" %1@%2+%3").arg(key.legends.join(u'/')).arg(key.x).arg(key.width);
    }
    return text;
}

} // namespace

class TestKle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsWhatTheSiteGives_data();
    void readsWhatTheSiteGives();
    void mapsLegends_data();
    void mapsLegends();
    void widthsFillTheScreen_data();
    void widthsFillTheScreen();
    void gapsDecalsAndTallKeys_data();
    void gapsDecalsAndTallKeys();
    void refusals_data();
    void refusals();
    void takesTheFreshLayoutsPlace();
    void exportedLayoutsComeBack_data();
    void exportedLayoutsComeBack();
    void hostileText_data();
    void hostileText();
    void cutShortAnywhere();
};

void TestKle::readsWhatTheSiteGives_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("keysPerRow");
    QTest::addColumn<QByteArray>("sameAs"); // a form of the same layout, read alike

    const QByteArray ansi = sample("ansi-60.json");
    const QList<int> ansiKeys{14, 14, 13, 12, 8};
    const QByteArray bare =
        QString::fromUtf8(ansi).replace(QRegularExpression(QStringLiteral("\"(\\w+)\":")), QStringLiteral("\\1:")).toUtf8();
    const QByteArray raw = ansi.sliced(1, ansi.lastIndexOf(']') - 1);
    QTest::newRow("downloaded") << ansi << "ANSI 60%" << ansiKeys << ansi;
    QTest::newRow("bare property names") << bare << "ANSI 60%" << ansiKeys << ansi;
    QTest::newRow("raw data") << raw << "ANSI 60%" << ansiKeys << ansi;
    QTest::newRow("raw data with metadata, ISO") << sample("iso-60-raw.txt") << "ISO 60%" << QList<int>{14, 14, 13, 13, 8}
                                                 << QByteArray();
    QTest::newRow("number pad, bare names") << sample("number-pad.json") << "Number pad" << QList<int>{1, 4, 4, 3, 4, 2}
                                            << QByteArray();
    QTest::newRow("one raw row") << QByteArray("[\"a\",\"b\"]") << "" << QList<int>{2} << QByteArray("[[\"a\",\"b\"]]");
    QTest::newRow("raw row opening with properties") << QByteArray("[{w:2},\"a\"],['b']") << "" << QList<int>{1, 1}
                                                     << QByteArray("[[{\"w\":2},\"a\"],[\"b\"]]");
}

void TestKle::readsWhatTheSiteGives()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, name);
    QFETCH(QList<int>, keysPerRow);
    QFETCH(QByteArray, sameAs);
    QString error;
    const std::optional<KleKeyboard> keyboard = readKleKeyboard(text, &error);
    QVERIFY2(keyboard, qPrintable(error));
    QCOMPARE(keyboard->name, name);
    QList<int> keys;
    for (const KleRow &row : keyboard->rows)
        keys << int(row.keys.size());
    QCOMPARE(keys, keysPerRow);
    if (!sameAs.isEmpty())
        QCOMPARE(fingerprint(*keyboard), fingerprint(*readKleKeyboard(sameAs, nullptr)));
}

void TestKle::mapsLegends_data()
{
    QTest::addColumn<QString>("properties");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("charCode");
    QTest::addColumn<int>("vk"); // blank keys: flags 1, char 0, VK 0
    QTest::newRow("letter") << "" << "Q" << "Q" << 0x0001 << int('q') << 0x51;
    QTest::newRow("digit") << "" << "7" << "7" << 0x0001 << int('7') << 0x37;
    QTest::newRow("shifted over unshifted") << "" << "!\n1" << "!" << 0x0001 << int('1') << 0x31;
    QTest::newRow("digit over an arrow") << "" << "8\n\u2191" << "8" << 0x0001 << int('8') << 0x38;
    QTest::newRow("symbol") << "" << "\u20AC" << "\u20AC" << 0x0001 << 0x20AC << 0;
    QTest::newRow("Enter") << "" << "Enter" << "Enter" << 0x0001 << 13 << 0x0D;
    QTest::newRow("Return") << "" << "Return" << "Return" << 0x0001 << 13 << 0x0D;
    QTest::newRow("Shift") << "" << "Shift" << "Shift" << 0x1011 << 0 << 0x10;
    QTest::newRow("Backspace") << "" << "Backspace" << "Backspace" << 0x0001 << 8 << 0x08;
    QTest::newRow("Tab") << "" << "Tab" << "Tab" << 0x0001 << 9 << 0x09;
    QTest::newRow("Space") << "" << "Space" << "Space" << 0x0001 << 32 << 0x20;
    QTest::newRow("empty space bar") << "w:3" << "" << "" << 0x0001 << 32 << 0x20;
    QTest::newRow("Esc") << "" << "Esc" << "Esc" << 0x0001 << 27 << 0x1B;
    QTest::newRow("Caps Lock") << "" << "Caps Lock" << "Caps Lock" << 0x4001 << 0 << 0x14;
    QTest::newRow("name over two lines") << "" << "Caps\nLock" << "Caps" << 0x4001 << 0 << 0x14;
    QTest::newRow("Ctrl") << "" << "Ctrl" << "Ctrl" << 0x2011 << 0 << 0x11;
    QTest::newRow("Alt") << "" << "Alt" << "Alt" << 0x3011 << 0 << 0x12;
    QTest::newRow("arrow") << "" << "\u2190" << "\u2190" << 0x0001 << 0 << 0x25;
    QTest::newRow("arrow by name") << "" << "Down" << "Down" << 0x0001 << 0 << 0x28;
    QTest::newRow("function key") << "" << "F12" << "F12" << 0x0001 << 0 << 0x7B;
    QTest::newRow("keycap symbol") << "" << "\u232B" << "\u232B" << 0x0001 << 8 << 0x08;
    QTest::newRow("HTML") << "" << "<b>Tab</b>" << "Tab" << 0x0001 << 9 << 0x09;
    QTest::newRow("HTML reference") << "" << "&uarr;" << "\u2191" << 0x0001 << 0 << 0x26;
    QTest::newRow("centred legend") << "a:7" << "Home" << "Home" << 0x0001 << 0 << 0x24;
    QTest::newRow("unknown name") << "" << "Fn" << "Fn" << 0x0001 << 0 << 0;
    QTest::newRow("empty, too narrow for space") << "w:2.75" << "" << "" << 0x0001 << 0 << 0;
    QTest::newRow("beyond 16 bits") << "" << "\U0001F600" << "\U0001F600" << 0x0001 << 0 << 0;
}

void TestKle::mapsLegends()
{
    QFETCH(QString, properties);
    QFETCH(QString, legend);
    QFETCH(QString, caption);
    QFETCH(int, flags);
    QFETCH(int, charCode);
    QFETCH(int, vk);
    const QString quoted = QString::fromUtf8(QJsonDocument(QJsonArray{legend}).toJson(QJsonDocument::Compact));
    const QByteArray text = QStringLiteral("[[{%1},%2]]").arg(properties, quoted.mid(1, quoted.size() - 2)).toUtf8();
    const auto layout = imported(text);
    QVERIFY(layout);
    const SkinButton &key = *layout->rows.at(0)->buttons.at(0);
    QCOMPARE(key.caption, caption);
    QCOMPARE(int(key.flags), flags);
    QCOMPARE(int(key.charCode), charCode);
    QCOMPARE(int(key.vk), vk);
}

void TestKle::widthsFillTheScreen_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("ANSI space bar row, Portrait") << sample("ansi-60.json") << int(Portrait) << 4
                                                  << QList<int>{20, 20, 20, 100, 20, 20, 20, 20};
    QTest::newRow("ANSI space bar row, Landscape") << sample("ansi-60.json") << int(Landscape) << 4
                                                   << QList<int>{27, 27, 27, 133, 27, 27, 26, 26};
    QTest::newRow("ISO, Hi-Res. Portrait") << sample("iso-60-raw.txt") << int(HiResPortrait) << 2
                                           << QList<int>{56, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 40};
    QTest::newRow("seven in 240") << QByteArray("[['a','b','c','d','e','f','g']]") << int(Portrait) << 0
                                  << QList<int>{35, 35, 34, 34, 34, 34, 34};
}

void TestKle::widthsFillTheScreen()
{
    QFETCH(QByteArray, text);
    QFETCH(int, shape);
    QFETCH(int, row);
    QFETCH(QList<int>, widths);
    const auto layout = imported(text, shape);
    QVERIFY(layout);
    for (const auto &each : layout->rows) {
        int sum = 0;
        for (const auto &button : each->buttons)
            sum += button->isPlaceholder() ? 0 : button->width;
        QCOMPARE(sum, screenShapeWidth(shape));
        QCOMPARE(int(each->height), screenShapeKeyHeight(shape));
    }
    QList<int> found;
    for (const auto &button : layout->rows.at(row)->buttons) {
        if (!button->isPlaceholder())
            found << button->width;
    }
    QCOMPARE(found, widths);
}

void TestKle::gapsDecalsAndTallKeys_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("dropped");
    QTest::newRow("gap") << QByteArray("[['a',{x:0.5},'b']]") << "a:96 []:48 b:96" << 0;
    QTest::newRow("shorter row ends blank") << QByteArray("[['a','b'],['c']]") << "a:120 b:120 | c:120 []:120" << 0;
    QTest::newRow("decal keeps its legend, also last") << QByteArray("[['a',{d:true},'logo']]") << "a:120 [logo]:120" << 0;
    QTest::newRow("tall key") << QByteArray("[[{h:2},'a','b'],[{x:1},'c']]") << "a:120 b:120 | []:120 c:120" << 0;
    QTest::newRow("ISO Enter") << QByteArray("[['q',{x:0.25,w:1.25,h:2,w2:1.5,h2:1,x2:-0.25},'Enter'],[{w:1.25},'a']]")
                               << "q:96 Enter:144 | a:120 []:120" << 0;
    QTest::newRow("vertical gap dropped") << QByteArray("[['a'],[{y:0.5},'b']]") << "a:240 | b:240" << 1;
    QTest::newRow("empty row dropped") << QByteArray("[['a'],[],['b']]") << "a:240 | b:240" << 1;
    QTest::newRow("common indent is no gap") << QByteArray("[[{x:1},'a'],[{x:1},'b']]") << "a:240 | b:240" << 0;
}

void TestKle::gapsDecalsAndTallKeys()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, rows);
    QFETCH(int, dropped);
    KleImport plan{KleKeyboard{}};
    const auto layout = imported(text, Portrait, &plan);
    QVERIFY(layout);
    QCOMPARE(rowsText(*layout), rows);
    QCOMPARE(plan.summary().dropped.size(), dropped);
    QCOMPARE(plan.summary().blank.size(), rows.count(QStringLiteral("[")));
}

void TestKle::refusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("refusals");
    QTest::newRow("rotated keys, each named") << QByteArray("[['a',{r:15},'b','c']]") << QStringList{
        "row 0, key 1 (\"b\"): it is rotated by 15 degrees; the keys of a row cannot be rotated.",
        "row 0, key 2 (\"c\"): it is rotated by 15 degrees; the keys of a row cannot be rotated."};
    QTest::newRow("seven rows") << QByteArray("[['a'],['b'],['c'],['d'],['e'],['f'],['g']]")
                                << QStringList{"The layout has 7 rows; a layout holds at most 6."};
    QByteArray thirty = "[[";
    for (int i = 0; i < 30; ++i)
        thirty += i ? ",'k'" : "'k'";
    QTest::newRow("thirty keys") << thirty + "]]" << QStringList{
        "Row 0 of the file would have 30 keys with the blank keys for its gaps; a row holds at most 29."};
    const QByteArray gapped = thirty.left(thirty.size() - 8) + ",{x:1},'k']]";
    QTest::newRow("29 keys and a gap") << gapped << QStringList{
        "Row 0 of the file would have 30 keys with the blank keys for its gaps; a row holds at most 29."};
    QTest::newRow("overlap") << QByteArray("[['a',{x:-0.5},'b']]") << QStringList{
        "row 0, key 1 (\"b\"): it overlaps key 0 by 0.5 key widths; the keys of a row sit side by side."};
}

void TestKle::refusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, refusals);
    const std::optional<KleKeyboard> keyboard = readKleKeyboard(text, nullptr);
    QVERIFY(keyboard);
    const KleImport import(*keyboard);
    QCOMPARE(import.refusals(), refusals);
    QVERIFY(!import.layoutFor(Portrait, QStringLiteral("x")));
}

// A new project's empty "Layout00" gives way; after that layouts are added, up to the 19 that
// Add Layout allows.
void TestKle::takesTheFreshLayoutsPlace()
{
    SkinProject project;
    NormalizeProject(project);
    const KleImport import(*readKleKeyboard("[['a','b']]", nullptr));
    QCOMPARE(addImportedLayout(project, Landscape, import.layoutFor(Landscape, QStringLiteral("first"))), 0);
    QCOMPARE(project.layoutList(Landscape).count(), 1);
    for (int position = 1; position < 19; ++position)
        QCOMPARE(addImportedLayout(project, Landscape, import.layoutFor(Landscape, QStringLiteral("more"))), position);
    QCOMPARE(importRoomProblem(project, Landscape),
             QStringLiteral("Landscape holds 19 layouts already; a shape takes a new layout only while it holds fewer than 19."));
    QCOMPARE(addImportedLayout(project, Landscape, import.layoutFor(Landscape, QStringLiteral("20th"))), -1);
    QCOMPARE(project.layoutList(Landscape).count(), 19);

    project.layoutList(Portrait).at(0)->picFileName = QStringLiteral("/somewhere/drawn.gif");
    QCOMPARE(addImportedLayout(project, Portrait, import.layoutFor(Portrait, QStringLiteral("second"))), 1);
}

void TestKle::exportedLayoutsComeBack_data()
{
    QTest::addColumn<QString>("templateName"); // empty: a layout with blank keys
    QTest::addColumn<int>("shape");
    for (const SkinTemplateInfo &info : skinTemplates()) {
        for (int shape = 0; shape < ScreenShapeCount; ++shape)
            QTest::addRow("%s, %s", qPrintable(info.name), qPrintable(screenShapeName(shape))) << info.name << shape;
    }
    QTest::newRow("blank keys") << QString() << int(Portrait);
}

// Rows, captions, widths and character keys come back; other functions become blank keys or
// characters that keep the caption.
void TestKle::exportedLayoutsComeBack()
{
    QFETCH(QString, templateName);
    QFETCH(int, shape);
    SkinProject project;
    if (templateName.isEmpty()) {
        auto layout = std::make_unique<SkinLayout>();
        layout->name = QStringLiteral("Blanks");
        layout->rows.append(std::make_unique<SkinRow>());
        layout->rows.append(std::make_unique<SkinRow>());
        const std::pair<const char *, quint16> keys[] = {{"a", 0x61}, {"", 0}, {"Fn", 0}};
        for (const auto &[caption, code] : keys) {
            auto key = std::make_unique<SkinButton>();
            key->caption = QString::fromLatin1(caption);
            key->flags = ButtonFlagCharacter;
            key->charCode = code;
            key->vk = code ? 0x41 : 0;
            key->width = 80;
            layout->rows.at(0)->buttons.append(std::move(key));
        }
        auto wide = std::make_unique<SkinButton>();
        wide->caption = QStringLiteral("b");
        wide->flags = ButtonFlagCharacter;
        wide->width = 240;
        layout->rows.at(1)->buttons.append(std::move(wide));
        FixRowPlaceholders(*layout);
        project.layoutList(shape).append(std::move(layout));
    } else {
        QVERIFY(buildTemplateProject(project, templateName));
    }
    for (const auto &original : project.layoutList(shape)) {
        const QByteArray json = exportKleLayout(*original);
        QVERIFY2(QJsonDocument::fromJson(json).isArray(), json.constData());
        QString error;
        const std::optional<KleKeyboard> keyboard = readKleKeyboard(json, &error);
        QVERIFY2(keyboard, qPrintable(error));
        const KleImport import(*keyboard);
        QCOMPARE(import.metadataName(), original->name);
        const auto back = import.layoutFor(shape, original->name);
        QVERIFY2(back, qPrintable(import.refusals().join(u'\n')));
        QCOMPARE(back->rows.count(), original->rows.count());
        for (int r = 0; r < original->rows.count(); ++r) {
            const ButtonList &was = original->rows.at(r)->buttons;
            const ButtonList &is = back->rows.at(r)->buttons;
            QCOMPARE(is.count(), was.count());
            for (int k = 0; k < was.count(); ++k) {
                QCOMPARE(is.at(k)->caption, was.at(k)->caption);
                QCOMPARE(is.at(k)->width, was.at(k)->width);
                if (buttonKind(was.at(k)->flags) == KindCharacter) {
                    QCOMPARE(is.at(k)->flags, was.at(k)->flags);
                    QCOMPARE(is.at(k)->charCode, was.at(k)->charCode);
                    QCOMPARE(is.at(k)->vk, was.at(k)->vk);
                }
            }
        }
    }
}

void TestKle::hostileText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << QByteArray() << "Reading stopped at line 1, column 1: The text is empty.";
    QTest::newRow("not a layout") << QByteArray("'hello'")
        << "Reading stopped at line 1, column 1: A keyboard layout begins with '[' or '{'.";
    QTest::newRow("missing comma") << QByteArray("[['a',\n'b' 'c']]")
        << "Reading stopped at row 0, key 2 (line 2, column 5): Expected a comma or ']'.";
    QTest::newRow("width not a number") << QByteArray("[['a',{w:'2'},'b']]")
        << "Reading stopped at row 0, key 1 (line 1, column 13): \"w\" must be a number.";
    QTest::newRow("width 0") << QByteArray("[['a',{w:0},'b']]")
        << "Reading stopped at row 0, key 1 (line 1, column 11): \"w\" is 0; it must be above 0 and at most 1000.";
    QTest::newRow("huge width") << QByteArray("[[{w:1e300},'a']]")
        << "Reading stopped at row 0, key 0 (line 1, column 11): \"w\" is 1e+300; it must be above 0 and at most 1000.";
    QTest::newRow("beyond double") << QByteArray("[[{x:1e999},'a']]")
        << "Reading stopped at row 0, key 0 (line 1, column 6): \"1e999\" is not a number that can be read.";
    QTest::newRow("long number") << "[[{x:" + QByteArray(100, '1') + "},'a']]"
        << "Reading stopped at row 0, key 0 (line 1, column 6): A number is longer than 64 characters.";
    QTest::newRow("deep nesting") << QByteArray(100000, '[')
        << "Reading stopped at row 0, key 0 (line 1, column 3): A row holds legend texts and objects of properties, nothing else.";
    QTest::newRow("deep in a property") << "[[{c:" + QByteArray(100000, '[')
        << "Reading stopped at row 0, key 0 (line 1, column 35): Arrays and objects are nested more than 32 deep.";
    QTest::newRow("open string") << QByteArray("[['abc")
        << "Reading stopped at row 0, key 0 (line 1, column 7): A string is not closed.";
    QTest::newRow("bad escape") << QByteArray("[['a\\x']]")
        << "Reading stopped at row 0, key 0 (line 1, column 5): Unknown escape \\'x' in a string.";
    QTest::newRow("half a \\u") << QByteArray("[['\\u12']]")
        << "Reading stopped at row 0, key 0 (line 1, column 4): \\u needs four hexadecimal digits.";
    QTest::newRow("bare word") << QByteArray("[[Tab]]")
        << "Reading stopped at row 0, key 0 (line 1, column 3): Unexpected word \"Tab\"; a text needs quotes.";
    QTest::newRow("metadata later") << QByteArray("[['a'],{name:'x'}]")
        << "Reading stopped at row 0, key 1 (line 1, column 8): Only the first entry may be the layout's metadata.";
    QTest::newRow("no keys") << QByteArray("[{name:'x'}]")
        << "Reading stopped at row 0, key 0 (line 1, column 13): The layout holds no keys.";
    QByteArray rows = "[";
    for (int i = 0; i < 300; ++i)
        rows += "['a'],";
    QTest::newRow("300 rows") << rows + "]"
        << "Reading stopped at row 256, key 0 (line 1, column 1539): The layout has more than 256 rows.";
    QTest::newRow("5 MiB") << "[['" + QByteArray(5 << 20, 'a') + "']]"
        << "Reading stopped at line 1, column 1: The text is larger than 4 MiB; no keyboard layout is that large.";
}

void TestKle::hostileText()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QCOMPARE(readError(text), error);
}

// Every prefix of a real layout gives a layout or a reason, never a crash.
void TestKle::cutShortAnywhere()
{
    const QByteArray whole = sample("iso-60-raw.txt");
    int readable = 0;
    for (qsizetype size = 0; size < whole.size(); ++size) {
        QString error;
        const std::optional<KleKeyboard> keyboard = readKleKeyboard(whole.first(size), &error);
        QCOMPARE(keyboard.has_value(), error.isEmpty());
        if (keyboard && KleImport(*keyboard).layoutFor(Portrait, QStringLiteral("cut")))
            ++readable;
    }
    // Only prefixes ending just after a row read as a (raw) layout.
    QVERIFY(readable >= 5);
}

QTEST_GUILESS_MAIN(TestKle)
#include "tst_kle.moc"
