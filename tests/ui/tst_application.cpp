#include "aboutbox.h"
#include "appicon.h"
#include "buttondescription.h"
#include "buttondlg.h"
#include "controlid.h"
#include "deriveshapesdlg.h"
#include "gridcell.h"
#include "helpwindow.h"
#include "layoutdlg.h"
#include "translations.h"
#include "projectdocument.h"
#include "vizizarerodlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>

using namespace velkari;

namespace {

QString closeButtonText(const HelpWindow &window)
{
    const auto *buttons = window.findChild<QDialogButtonBox *>();
    return buttons ? buttons->button(QDialogButtonBox::Close)->text() : QString();
}

// The messages of a Qt Linguist file that have no finished translation.
QStringList untranslatedMessages(const QString &tsPath)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + tsPath};
    QStringList untranslated;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (xml.readElementText().isEmpty() || unfinished)
                untranslated << source;
        }
    }
    if (xml.hasError())
        untranslated << xml.errorString();
    return untranslated;
}

QString withoutMnemonic(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

// The texts of a window's controls that need more room than their control gives them; key
// captions in the grid are the author's own and left out.
QStringList clippedTexts(QWidget &window)
{
    // Controls in layouts take their size only when the window is shown.
    window.show();
    QStringList clipped;
    const auto check = [&](const QString &text, int needed, int room) {
        if (needed > room)
            clipped << QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room);
    };
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || qobject_cast<const GridCell *>(widget))
            continue;
        const QFontMetrics metrics(widget->font());
        if (const auto *label = qobject_cast<const QLabel *>(widget); label && !label->wordWrap()) {
            const QString text = withoutMnemonic(label->text());
            check(text, metrics.horizontalAdvance(text), label->contentsRect().width());
        } else if (const auto *box = qobject_cast<const QCheckBox *>(widget)) {
            check(box->text(), box->sizeHint().width(), box->width());
        } else if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QString text = withoutMnemonic(button->text());
            // Text that runs into the frame reads as cut off even where no letter is lost.
            const int air = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2;
            check(text, metrics.horizontalAdvance(text) + air, room.width());
        } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
            check(group->title(), metrics.horizontalAdvance(group->title()), group->width());
        } else if (const auto *list = qobject_cast<const QComboBox *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                check(list->itemText(i), metrics.horizontalAdvance(list->itemText(i)), list->width());
        }
    }
    return clipped;
}

using ClippedTexts = std::function<QStringList()>;

} // namespace

Q_DECLARE_METATYPE(ClippedTexts)

class TestApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { installTranslations(QLocale(QLocale::English)); }
    void windowIconHasEverySize_data();
    void windowIconHasEverySize();
    void languageFollowsTheLocale_data();
    void languageFollowsTheLocale();
    void germanTexts_data();
    void germanTexts();
    void everyMessageHasATranslation();
    void germanTextsFit_data();
    void germanTextsFit();
    void informationRequestsNeedNoDisplay_data();
    void informationRequestsNeedNoDisplay();
};

void TestApplication::windowIconHasEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64})
        QTest::addRow("%d", size) << size;
}

void TestApplication::windowIconHasEverySize()
{
    QFETCH(int, size);
    const QImage image = QImage(QStringLiteral(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(applicationId()));
    QCOMPARE(image.size(), QSize(size, size));
    // Transparent corners around an opaque keyboard: rendered, not an empty canvas.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    QCOMPARE(applicationIcon().pixmap(size, size).size(), QSize(size, size));
}

void TestApplication::languageFollowsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("helpTitle");
    QTest::addRow("de_DE") << QLocale(QStringLiteral("de_DE")) << true << "Hilfe zu Velkari Skin Editor";
    QTest::addRow("de_AT falls back to de") << QLocale(QStringLiteral("de_AT")) << true << "Hilfe zu Velkari Skin Editor";
    QTest::addRow("en_US") << QLocale(QStringLiteral("en_US")) << false << "Velkari Skin Editor Help";
    QTest::addRow("fr_FR has none") << QLocale(QStringLiteral("fr_FR")) << false << "Velkari Skin Editor Help";
}

void TestApplication::languageFollowsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, german);
    QFETCH(QString, helpTitle);
    // German first, so that each row also shows that a later language replaces an earlier one.
    installTranslations(QLocale(QLocale::German));
    QCOMPARE(installTranslations(locale), german);
    QCOMPARE(HelpWindow().windowTitle(), helpTitle);
}

void TestApplication::germanTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QVERIFY(installTranslations(QLocale(QLocale::German)));
    QTest::addRow("About menu entry") << AboutBox::menuText() << "Ü&ber ViziZarero...";
    QTest::addRow("About title") << AboutBox::title() << "Über Velkari Skin Editor";
    QTest::addRow("guide heading") << HelpWindow::guideHtml().section(QStringLiteral("<h3>"), 1, 1).section(u'<', 0, 0)
                                   << "Ein Layout anlegen";
    // The main window's own captions, and the shape names the core makes for its list.
    const CViziZareroDlg window;
    QTest::addRow("Save As") << findControl<QPushButton>(&window, 1014)->text() << "Sichern als";
    QTest::addRow("shape list") << findControl<QComboBox>(&window, 1013)->itemText(HiResPortrait)
                                << "Hi-Res. Hochformat";
    static ProjectDocument document;
    const LayoutList &layouts = document.project().layoutList(Portrait);
    SkinButton key;
    key.flags = ButtonFlagCalculator;
    const CButtonDlg dialog(key, document, layouts, false);
    QTest::addRow("Button Properties") << dialog.windowTitle() << "Tasten-Eigenschaften";
    QTest::addRow("calculator list") << findControl<QComboBox>(&dialog, 1026)->itemText(CalcSquareRoot)
                                     << "Quadratwurzel";
    key.caption = QStringLiteral("A");
    key.flags = ButtonFlagCharacter | ButtonFlagAutoToggle;
    key.charCode = u'A';
    key.vk = 0x41;
    key.width = 20;
    QTest::addRow("key description") << DescribeButton(key, layouts, QString())
                                     << "A:\nSendet Zeichen:A und VK:41\nBreite:20\n"
                                        "Wird automatisch gelöst, wenn eine Taste gedrückt wird\n";
    // Qt's own texts come from the system's Qt translations.
    QTest::addRow("Qt's Close button") << closeButtonText(HelpWindow()) << "Schließen";
    // The product's own name is not translated.
    QTest::addRow("guide title") << HelpWindow::guideHtml().section(u'\n', 0, 0) << "<h2>Velkari Skin Editor</h2>";
}

void TestApplication::germanTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestApplication::everyMessageHasATranslation()
{
    // lupdate gathers the editor's messages as they are now into a copy of the shipped file, so a
    // text added since the file was last updated shows up as unfinished.
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("velkari_de.ts"));
    QVERIFY(QFile::copy(QStringLiteral(VELKARI_SOURCE_DIR "/translations/velkari_de.ts"), ts));
    QProcess lupdate;
    // The editor's folders and the core's, whose texts the editor shows too.
    const QStringList folders = QStringLiteral(VELKARI_TRANSLATED_DIRS).split(u',');
    QVERIFY(folders.contains(QStringLiteral(VELKARI_SOURCE_DIR "/src/check")));
    lupdate.start(QStringLiteral(VELKARI_LUPDATE),
                  QStringList{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                              QStringLiteral("-no-obsolete")}
                      + folders + QStringList{QStringLiteral("-ts"), ts});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QStringList untranslated = untranslatedMessages(ts);
    QVERIFY2(untranslated.isEmpty(), qPrintable(QStringLiteral("without a German translation (run "
                                                               "cmake --build build --target update_translations, "
                                                               "then translate translations/velkari_de.ts):\n")
                                                + untranslated.join(u'\n')));
}

void TestApplication::germanTextsFit_data()
{
    QTest::addColumn<ClippedTexts>("clipped");
    static ProjectDocument document;
    document.replaceWithNew();
    const LayoutList &layouts = document.project().layoutList(Portrait);
    // A confirmed layout, whose dialog offers Delete too.
    layouts.at(0)->flags &= ~LayoutFlagNew;
    QTest::addRow("main window") << ClippedTexts([] {
        CViziZareroDlg window;
        return clippedTexts(window);
    });
    QTest::addRow("Layout Properties") << ClippedTexts([&layouts] {
        CLayoutDlg dialog(*layouts.at(0), document, layouts);
        return clippedTexts(dialog);
    });
    QTest::addRow("Derive Shapes") << ClippedTexts([] {
        DeriveShapesDlg dialog(Portrait, false);
        return clippedTexts(dialog);
    });
    // Each kind of key shows its own field labels and list.
    for (const quint16 flags : QList<quint16>{0, ButtonFlagCharacter, ButtonFlagChangeLayout, ButtonFlagCalculator,
                                              ButtonFlagTaskManager, ButtonFlagMacro, ButtonFlagShortcut}) {
        QTest::addRow("Button Properties, flags %04x", flags) << ClippedTexts([&layouts, flags] {
            SkinButton key;
            key.flags = flags;
            key.width = 20;
            CButtonDlg dialog(key, document, layouts, false);
            return clippedTexts(dialog);
        });
    }
}

// Several controls keep the fixed size of the window's template: their German must fit them.
void TestApplication::germanTextsFit()
{
    QFETCH(ClippedTexts, clipped);
    QVERIFY(installTranslations(QLocale(QLocale::German)));
    const QStringList texts = clipped();
    QVERIFY2(texts.isEmpty(), qPrintable(texts.join(u'\n')));
}

void TestApplication::informationRequestsNeedNoDisplay_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("printed");
    QTest::newRow("--help") << "--help" << "Usage: velkari-skin-editor [PROJECT.vsp]\n";
    QTest::newRow("--version") << "--version" << "velkari-skin-editor " VELKARI_VERSION "\n";
}

// Answered before a window exists: --help is not a project file to open, and neither needs a
// display.
void TestApplication::informationRequestsNeedNoDisplay()
{
    QFETCH(QString, argument);
    QFETCH(QString, printed);
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(VELKARI_EDITOR), {argument});
    QVERIFY(editor.waitForFinished(30000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), 0);
    QVERIFY(QString::fromLocal8Bit(editor.readAllStandardOutput()).startsWith(printed));
}

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
