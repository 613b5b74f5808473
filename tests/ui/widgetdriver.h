#pragma once

#include "controlid.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHash>
#include <QLabel>
#include <QListView>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

// Drives the editor's windows as a user would: controls are found by id, clicked with the
// mouse, typed into and chosen from with the keyboard; modal windows are answered from a timer.
namespace velkari::test {

template <typename T = QWidget>
T *control(const QWidget &root, int id)
{
    T *widget = findControl<T>(&root, id);
    if (!widget)
        qFatal("no control %d", id);
    return widget;
}

// Like a user, a click reaches only a control that is shown.
inline void click(const QWidget &root, int id)
{
    QWidget *widget = control(root, id);
    if (!widget->isVisible())
        return;
    // A check box only takes a click on its indicator or its text.
    const QPoint point = qobject_cast<QCheckBox *>(widget) ? QPoint(widget->height() / 2, widget->height() / 2)
                                                           : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
}

// Points every setting at `folder`: a test never reads or writes the user's own.
inline void isolateSettings(const QString &folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

inline void typeInto(const QWidget &root, int id, const QString &text)
{
    auto *edit = control<QLineEdit>(root, id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Drops files on the window at a point of the window; true when the drop was taken.
inline bool dropFiles(QWidget &window, const QStringList &paths, const QPoint &at)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents(); // the window takes a drop once it has ended
    return drop.isAccepted();
}

// The title as the window shows it: "[*]" stands where a modified project is marked.
inline QString shownTitle(const QWidget &window)
{
    return window.windowTitle().replace(QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
}

// Moves the selection with the arrow keys, as a user would without opening the list.
inline void chooseEntry(const QWidget &root, int id, int entry)
{
    auto *list = control<QComboBox>(root, id);
    list->setFocus();
    for (int step = 0; step <= list->count() && list->currentIndex() != entry; ++step)
        QTest::keyClick(list, list->currentIndex() < entry ? Qt::Key_Down : Qt::Key_Up);
}

// Where a control lies in its window's pixels, wherever its parent sits.
inline QRect windowRect(const QWidget &window, const QWidget *widget)
{
    return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
}

inline QString textOf(const QWidget &root, int id)
{
    QWidget *widget = control(root, id);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return list->currentText();
    return qobject_cast<QLineEdit *>(widget)->text();
}

inline QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// The filters of a file dialog as its list shows them to the user.
inline QStringList shownFilters(const QFileDialog &dialog)
{
    return entries(dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo")));
}

// The names a file dialog lists in its folder with the current filter, once `expected` is among
// them or the folder has had a few seconds to load.
inline QStringList shownFileNames(const QFileDialog &dialog, const QString &expected)
{
    const auto *view = dialog.findChild<QListView *>(QStringLiteral("listView"));
    QStringList names;
    QElapsedTimer waited;
    waited.start();
    while (view && !names.contains(expected) && waited.elapsed() < 5000) {
        QTest::qWait(20);
        names.clear();
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    }
    return names;
}

// Picks a listed file as a click on it would.
inline void chooseListedFile(const QFileDialog &dialog, const QString &name)
{
    auto *view = dialog.findChild<QListView *>(QStringLiteral("listView"));
    const int row = shownFileNames(dialog, name).indexOf(name);
    if (view && row >= 0)
        view->setCurrentIndex(view->model()->index(row, 0, view->rootIndex()));
}

namespace detail {

// The answers a test has armed for modal windows still to come, by registration number: each
// says which windows it is waiting for.
inline QHash<int, std::function<bool(QWidget *)>> &armedAnswers()
{
    static QHash<int, std::function<bool(QWidget *)>> answers;
    return answers;
}

inline int arm(std::function<bool(QWidget *)> accepts)
{
    static int next = 0;
    armedAnswers().insert(++next, std::move(accepts));
    return next;
}

inline void disarm(int registration)
{
    armedAnswers().remove(registration);
}

inline bool isArmed(int registration)
{
    return armedAnswers().contains(registration);
}

inline QString describeWindow(QWidget *window)
{
    QString text = QStringLiteral("%1 \"%2\"").arg(QLatin1String(window->metaObject()->className()),
                                                 window->windowTitle());
    if (auto *box = qobject_cast<QMessageBox *>(window))
        text += QStringLiteral(": ") + box->text();
    return text;
}

// A modal window that no armed answer is waiting for would block the test until CTest gives up
// on it, many minutes later. Instead the test fails at once, naming the window and what it says,
// and the window is closed so that the test can run to its end.
inline void watchModalWindows()
{
    constexpr qint64 GraceMs = 1000; // an answer armed by a timer of its own gets this long
    static QPointer<QWidget> unanswered;
    static QElapsedTimer since;
    QWidget *modal = QApplication::activeModalWidget();
    bool awaited = false;
    if (modal && modal->isVisible()) {
        for (const auto &accepts : std::as_const(armedAnswers()))
            awaited = awaited || accepts(modal);
    }
    if (!modal || !modal->isVisible() || awaited) {
        unanswered = nullptr;
        return;
    }
    if (unanswered != modal) {
        unanswered = modal;
        since.start();
        return;
    }
    if (since.elapsed() < GraceMs)
        return;
    unanswered = nullptr;
    const QString message = QStringLiteral("A modal window appeared that the test did not expect: ")
        + describeWindow(modal);
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->done(QDialog::Rejected);
    else
        modal->close();
}

inline void startModalWatch()
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, qApp, &watchModalWindows);
    timer->start();
}

} // namespace detail

namespace detail {

// Looks for the window every few milliseconds until it shows, the answer is withdrawn or the
// attempts run out. Each look schedules the next, so nothing is left behind when the test ends.
template <typename T>
void pollForModal(const std::function<void(T *)> &answer, int registration, int left)
{
    QTimer::singleShot(5, qApp, [answer, registration, left] {
        if (!isArmed(registration))
            return;
        if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget()); window && window->isVisible()) {
            disarm(registration);
            answer(window);
        } else if (left > 0) {
            pollForModal<T>(answer, registration, left - 1);
        } else {
            disarm(registration);
        }
    });
}

} // namespace detail

// Runs `answer` on the next modal window of type T once it is shown (a modal run blocks the
// test until it ends, so the answer has to come from the event loop). Returns the registration
// of the answer, which disarm() withdraws.
template <typename T>
int whenModal(std::function<void(T *)> answer, int attempts = 400)
{
    const int registration = detail::arm([](QWidget *window) { return qobject_cast<T *>(window) != nullptr; });
    detail::pollForModal<T>(answer, registration, attempts);
    return registration;
}

// Presses one of a modal dialog's push buttons once it is shown, after `before` ran on it.
template <typename Dialog>
void press(int id, std::function<void(Dialog *)> before = {})
{
    whenModal<Dialog>([id, before](Dialog *dialog) {
        if (before)
            before(dialog);
        click(*dialog, id);
    });
}

// Presses the button captioned `caption` of the next message box, after `seen` ran on it; a box
// without such a button is rejected.
inline void answerWithButton(const QString &caption, std::function<void(QMessageBox *)> seen = {})
{
    whenModal<QMessageBox>([caption, seen](QMessageBox *box) {
        if (seen)
            seen(box);
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == caption) {
                button->click();
                return;
            }
        }
        box->reject();
    });
}

// A copy of the example project in `folder` as "demo.vsp", its pictures but `leaveOut` beside it
// in "pictures", so that what a test writes stays with the copy.
inline QString copyExample(const QString &examples, const QString &folder, const QStringList &leaveOut = {})
{
    const QDir target(folder);
    target.mkpath(QStringLiteral("pictures"));
    const QDir pictures(examples + QStringLiteral("/pictures"));
    for (const QString &name : pictures.entryList(QDir::Files)) {
        if (!leaveOut.contains(name))
            QFile::copy(pictures.filePath(name), target.filePath(QStringLiteral("pictures/") + name));
    }
    const QString project = target.filePath(QStringLiteral("demo.vsp"));
    QFile::copy(examples + QStringLiteral("/velkari-demo.vsp"), project);
    return project;
}

// What a message box showed, once answered with one of its buttons.
struct MessageBoxSeen
{
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

inline void recordAndAnswer(QMessageBox *box, MessageBoxSeen &seen, QMessageBox::StandardButton button)
{
    seen.shown = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    if (QAbstractButton *pressed = box->button(button))
        pressed->click();
    else
        box->reject();
}

// For a step that is sure to show a box: `seen` must outlive it.
inline void answerMessageBox(MessageBoxSeen &seen, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    whenModal<QMessageBox>([&seen, button](QMessageBox *box) { recordAndAnswer(box, seen, button); });
}

// For a step that may show no box: the answerer keeps looking for a while after the step, so it
// is disarmed when this goes out of scope and never answers a later step's box.
class MessageBoxAnswer
{
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button = QMessageBox::Ok)
        : m_registration(whenModal<QMessageBox>(
              [seen = m_seen, button](QMessageBox *box) { recordAndAnswer(box, *seen, button); }))
    {
    }
    ~MessageBoxAnswer() { detail::disarm(m_registration); }
    MessageBoxAnswer(const MessageBoxAnswer &) = delete;
    MessageBoxAnswer &operator=(const MessageBoxAnswer &) = delete;

    const MessageBoxSeen &seen() const { return *m_seen; }

private:
    std::shared_ptr<MessageBoxSeen> m_seen = std::make_shared<MessageBoxSeen>();
    int m_registration;
};

} // namespace velkari::test

// Every program that drives the editor's windows fails fast on a modal window it did not expect.
inline void velkariStartModalWatch()
{
    velkari::test::detail::startModalWatch();
}
Q_COREAPP_STARTUP_FUNCTION(velkariStartModalWatch)
