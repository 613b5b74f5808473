#include "keyboardpainter.h"
#include "projectchecker.h"
#include "skintemplates.h"
#include "templatechooser.h"
#include "scriptedwindow.h"
#include "vizizarerodlg.h"
#include "widgetdriver.h"
#include "controlids.h"

#include <QDir>
#include <QImageReader>
#include <QListWidget>
#include <QQueue>
#include <QTemporaryDir>

using namespace velkari;
using namespace velkari::test;

namespace {

// Clicks the entry of the template (the empty project for an empty name) and picks the theme.
void choose(TemplateChooser &chooser, const QString &templateName, const QString &theme)
{
    auto *list = chooser.findChild<QListWidget *>();
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toString() == templateName)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    auto *themes = chooser.findChild<QComboBox *>();
    themes->setCurrentIndex(themes->findData(theme));
}

void answerChooser(const QString &templateName, const QString &theme)
{
    whenModal<TemplateChooser>([=](TemplateChooser *chooser) {
        choose(*chooser, templateName, theme);
        chooser->accept();
    });
}

} // namespace

class TestNewProject : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void chooserPreviewsEachTemplate_data();
    void chooserPreviewsEachTemplate();
    void newFromTemplateOpensAValidProject_data();
    void newFromTemplateOpensAValidProject();
    void picturesInTheWayAreReplacedOnlyWhenAgreed_data();
    void picturesInTheWayAreReplacedOnlyWhenAgreed();

private:
    QTemporaryDir m_settings;
};

void TestNewProject::init()
{
    isolateSettings(m_settings.path());
}

void TestNewProject::chooserPreviewsEachTemplate_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty project") << QString();
    for (const SkinTemplateInfo &info : skinTemplates())
        QTest::newRow(qPrintable(info.name)) << info.name;
}

// Each template is previewed by its first Portrait layout, in the theme chosen.
void TestNewProject::chooserPreviewsEachTemplate()
{
    QFETCH(QString, name);
    TemplateChooser chooser;
    chooser.show();
    choose(chooser, name, QStringLiteral("dark"));
    QCOMPARE(chooser.choice().templateName, name);
    const QImage dark = chooser.preview();
    choose(chooser, name, QStringLiteral("light"));
    const QImage light = chooser.preview();
    QCOMPARE(chooser.choice().theme, QStringLiteral("light"));
    if (name.isEmpty()) {
        QVERIFY(dark.isNull() && light.isNull());
        QVERIFY(!chooser.findChild<QComboBox *>()->isEnabled());
        return;
    }
    SkinProject project;
    QVERIFY(buildTemplateProject(project, name));
    QCOMPARE(dark.size(), KeyboardPainter::pictureSize(*project.layoutList(Portrait).at(0)));
    QCOMPARE(light.size(), dark.size());
    QVERIFY(light != dark);
}

void TestNewProject::newFromTemplateOpensAValidProject_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("theme");
    QTest::newRow("qwerty, dark") << "qwerty" << "dark";
    QTest::newRow("numeric, light") << "numeric" << "light";
}

void TestNewProject::newFromTemplateOpensAValidProject()
{
    QFETCH(QString, name);
    QFETCH(QString, theme);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.vsp"));
    ScriptedWindow window;
    window.show();
    window.prompts.savePaths.enqueue(path);
    answerChooser(name, theme);
    click(window, IdNew);

    QCOMPARE(window.prompts.saveDialogs, 1);
    QCOMPARE(shownTitle(window), QStringLiteral("Velkari Skin Editor-") + path);
    QVERIFY(!window.document().isModified());
    SkinProject expected;
    buildTemplateProject(expected, name);
    QCOMPARE(textOf(window, IdLayoutList), expected.layoutList(Portrait).at(0)->name);
    QVERIFY(!window.pictureImage().isNull());
    const QList<Problem> problems = checkProject(window.project());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.isEmpty() ? QString() : problemLine(path, problems.first())));
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : window.project().layoutList(shape))
            QCOMPARE(QFileInfo(layout->picFileName).absolutePath(), dir.filePath(QStringLiteral("mine-pictures")));
    }
}

void TestNewProject::picturesInTheWayAreReplacedOnlyWhenAgreed_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("not replaced") << int(QMessageBox::No) << false;
    QTest::newRow("replaced") << int(QMessageBox::Yes) << true;
}

// A picture of the same name beside the chosen place is the user's: without a Yes, no file is
// written and the window keeps its project.
void TestNewProject::picturesInTheWayAreReplacedOnlyWhenAgreed()
{
    QFETCH(int, answer);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.vsp"));
    const QString inTheWay = dir.filePath(QStringLiteral("mine-pictures/portrait-letters.gif"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("mine-pictures")));
    QFile keep(inTheWay);
    QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("mine") == 4);
    keep.close();

    ScriptedWindow window;
    window.show();
    window.prompts.savePaths.enqueue(path);
    answerChooser(QStringLiteral("qwerty"), QStringLiteral("dark"));
    const MessageBoxAnswer question{QMessageBox::StandardButton(answer)};
    click(window, IdNew);

    QVERIFY(question.seen().shown);
    QCOMPARE(QFile::exists(path), written);
    QCOMPARE(QImageReader(inTheWay).canRead(), written);
    QCOMPARE(shownTitle(window), written ? QStringLiteral("Velkari Skin Editor-") + path : QStringLiteral("Velkari Skin Editor"));
    QCOMPARE(textOf(window, IdLayoutList), written ? QStringLiteral("Letters") : QStringLiteral("Layout00"));
}

QTEST_MAIN(TestNewProject)
#include "tst_newproject.moc"
