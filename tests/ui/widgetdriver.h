#pragma once

#include "controlid.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

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

// Runs `answer` on the next modal window of type T once it is shown (a modal run blocks the
// test until it ends, so the answer has to come from the event loop).
template <typename T>
void whenModal(std::function<void(T *)> answer, int attempts = 400)
{
    QTimer::singleShot(5, qApp, [answer, attempts] {
        if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget()); window && window->isVisible())
            answer(window);
        else if (attempts > 0)
            whenModal<T>(answer, attempts - 1);
    });
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
    {
        whenModal<QMessageBox>([seen = m_seen, armed = m_armed, button](QMessageBox *box) {
            if (*armed)
                recordAndAnswer(box, *seen, button);
        });
    }
    ~MessageBoxAnswer() { *m_armed = false; }
    MessageBoxAnswer(const MessageBoxAnswer &) = delete;
    MessageBoxAnswer &operator=(const MessageBoxAnswer &) = delete;

    const MessageBoxSeen &seen() const { return *m_seen; }

private:
    std::shared_ptr<MessageBoxSeen> m_seen = std::make_shared<MessageBoxSeen>();
    std::shared_ptr<bool> m_armed = std::make_shared<bool>(true);
};

} // namespace velkari::test
