#include "buttondlg.h"
#include "helpwindow.h"
#include "layoutdlg.h"
#include "previewwindow.h"
#include "projectdocument.h"
#include "widgetdriver.h"

#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>

using namespace velkari;
using namespace velkari::test;

// Runs at twice the scale (QT_SCALE_FACTOR=2, set by CTest) on the offscreen screen of 800 × 600
// pixels: a laptop at 2x, where the editor's dialogs are larger than the screen.
using MakeWindow = std::function<std::unique_ptr<QWidget>(ProjectDocument &)>;
Q_DECLARE_METATYPE(MakeWindow)

class TestSmallScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyButtonWithinReach_data();
    void everyButtonWithinReach();

private:
    QTemporaryDir m_settings;
};

void TestSmallScreen::everyButtonWithinReach_data()
{
    isolateSettings(m_settings.path());
    QTest::addColumn<MakeWindow>("make");
    QTest::newRow("Button Properties") << MakeWindow([](ProjectDocument &document) {
        const LayoutList &layouts = document.project().layoutList(Portrait);
        return std::make_unique<CButtonDlg>(*layouts.at(0)->rows.at(0)->buttons.at(0), document, layouts, false);
    });
    QTest::newRow("Layout Properties") << MakeWindow([](ProjectDocument &document) {
        const LayoutList &layouts = document.project().layoutList(Portrait);
        return std::make_unique<CLayoutDlg>(*layouts.at(0), document, layouts);
    });
    QTest::newRow("Help") << MakeWindow([](ProjectDocument &) { return std::make_unique<HelpWindow>(); });
    // Made larger by hand, then a zoom that asks for more room.
    QTest::newRow("Try Skin at 3x") << MakeWindow([](ProjectDocument &document) {
        auto preview = std::make_unique<PreviewWindow>(document.project(), Portrait);
        preview->show();
        preview->resize(preview->size() + QSize(100, 100));
        preview->setZoom(3);
        return preview;
    });
}

// The window is no larger than the screen, and its page scrolls to every button.
void TestSmallScreen::everyButtonWithinReach()
{
    QFETCH(MakeWindow, make);
    QCOMPARE(qApp->primaryScreen()->devicePixelRatio(), 2.0);
    ProjectDocument document;
    const std::unique_ptr<QWidget> window = make(document);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QSize available = window->screen()->availableGeometry().size();
    QVERIFY(window->width() <= available.width() && window->height() <= available.height());
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        auto *area = window->findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(area && area->widget()->isAncestorOf(button));
        area->ensureWidgetVisible(button, 0, 0);
        if (button->isVisibleTo(window.get()))
            QVERIFY2(windowRect(*window, area->viewport()).contains(windowRect(*window, button)),
                     qPrintable(button->text()));
    }
}

QTEST_MAIN(TestSmallScreen)
#include "tst_smallscreen.moc"
