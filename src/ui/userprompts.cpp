#include "userprompts.h"

#include "filecommands.h"
#include "filedialogfilters.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace velkari {

namespace {

QMessageBox::Icon messageIcon(FileCommandHost::Icon icon)
{
    switch (icon) {
    case FileCommandHost::Icon::Information:
        return QMessageBox::Information;
    case FileCommandHost::Icon::Warning:
        return QMessageBox::Warning;
    case FileCommandHost::Icon::Stop:
        break;
    }
    return QMessageBox::Critical;
}

} // namespace

UserPrompts::UserPrompts(QWidget *owner, std::function<QStringList()> workFiles)
    : m_owner(owner)
    , m_workFiles(std::move(workFiles))
{
}

template <typename Result>
Result UserPrompts::withoutWaitCursor(const std::function<Result()> &ask)
{
    const int depth = m_waitDepth;
    for (int i = 0; i < depth; ++i)
        QApplication::restoreOverrideCursor();
    const Result result = ask();
    for (int i = 0; i < depth; ++i)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    return result;
}

FileCommandHost::Answer UserPrompts::askToSaveChanges()
{
    using Answer = FileCommandHost::Answer;
    return withoutWaitCursor<Answer>([this] {
        const auto pressed = QMessageBox::question(m_owner, ApplicationName(), SaveChangesQuestion(),
                                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return pressed == QMessageBox::Yes ? Answer::Yes : pressed == QMessageBox::No ? Answer::No : Answer::Cancel;
    });
}

QString UserPrompts::askOpenPath()
{
    return withoutWaitCursor<QString>([this] {
        QFileDialog dialog(m_owner, OpenProjectTitle());
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDirectory(fileDialogFolder(m_workFiles()));
        setFileDialogFilters(dialog, ProjectFileFilters());
        dialog.setDefaultSuffix(ProjectFileSuffix());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    });
}

QString UserPrompts::askSavePath()
{
    return withoutWaitCursor<QString>([this] {
        QFileDialog dialog(m_owner);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        setFileDialogFilters(dialog, ProjectFileFilters());
        dialog.setDefaultSuffix(ProjectFileSuffix());
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        const QStringList files = m_workFiles();
        dialog.setDirectory(fileDialogFolder(files));
        // The project's own name is proposed, so that Save As can keep it in another folder.
        if (!files.value(0).isEmpty())
            dialog.selectFile(QFileInfo(files.first()).fileName());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    });
}

void UserPrompts::showMessage(const QString &text, const QString &caption, FileCommandHost::Icon icon)
{
    withoutWaitCursor<int>([&] {
        QMessageBox box(messageIcon(icon), caption, text, QMessageBox::Ok, m_owner);
        return box.exec();
    });
}

void UserPrompts::beginWait()
{
    ++m_waitDepth;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void UserPrompts::endWait()
{
    if (m_waitDepth == 0)
        return;
    --m_waitDepth;
    QApplication::restoreOverrideCursor();
}

} // namespace velkari
