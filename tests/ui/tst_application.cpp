#include "aboutbox.h"
#include "appicon.h"
#include "helpwindow.h"
#include "translations.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

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

} // namespace

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
    lupdate.start(QStringLiteral(VELKARI_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-no-obsolete"), QStringLiteral(VELKARI_SOURCE_DIR "/src/ui"), QStringLiteral("-ts"), ts});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QStringList untranslated = untranslatedMessages(ts);
    QVERIFY2(untranslated.isEmpty(), qPrintable(QStringLiteral("without a German translation (run "
                                                               "cmake --build build --target update_translations, "
                                                               "then translate translations/velkari_de.ts):\n")
                                                + untranslated.join(u'\n')));
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
