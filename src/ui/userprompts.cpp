#include "userprompts.h"

#include "filecommands.h"
#include "filedialogfilters.h"
#include "templatechooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

namespace velkari {

namespace {

QMessageBox::Icon messageIcon(DocumentPrompts::Icon icon)
{
    switch (icon) {
    case DocumentPrompts::Icon::Information:
        return QMessageBox::Information;
    case DocumentPrompts::Icon::Warning:
        return QMessageBox::Warning;
    case DocumentPrompts::Icon::Stop:
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

DocumentPrompts::Answer UserPrompts::askToSaveChanges()
{
    using Answer = DocumentPrompts::Answer;
    return withoutWaitCursor<Answer>([this] {
        const auto pressed = QMessageBox::question(m_owner, applicationName(), saveChangesQuestion(),
                                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return pressed == QMessageBox::Yes ? Answer::Yes : pressed == QMessageBox::No ? Answer::No : Answer::Cancel;
    });
}

QString UserPrompts::askOpenPath()
{
    return withoutWaitCursor<QString>([this] {
        QFileDialog dialog(m_owner, openProjectTitle());
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDirectory(fileDialogFolder(m_workFiles()));
        setFileDialogFilters(dialog, projectFileFilters());
        dialog.setDefaultSuffix(projectFileSuffix());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    });
}

QString UserPrompts::askSavePath()
{
    return withoutWaitCursor<QString>([this] {
        QFileDialog dialog(m_owner);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        setFileDialogFilters(dialog, projectFileFilters());
        dialog.setDefaultSuffix(projectFileSuffix());
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        const QStringList files = m_workFiles();
        dialog.setDirectory(fileDialogFolder(files));
        // The project's own name is proposed, so that Save As can keep it in another folder.
        if (!files.value(0).isEmpty())
            dialog.selectFile(QFileInfo(files.first()).fileName());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    });
}

std::optional<NewProjectChoice> UserPrompts::askNewProject()
{
    return withoutWaitCursor<std::optional<NewProjectChoice>>([this]() -> std::optional<NewProjectChoice> {
        TemplateChooser chooser(m_owner);
        if (chooser.exec() != QDialog::Accepted)
            return std::nullopt;
        return chooser.choice();
    });
}

bool UserPrompts::askToReplaceFiles(const QStringList &paths)
{
    // Enough names to recognise the folder and what is in it; a long list would outgrow the screen.
    constexpr qsizetype Listed = 5;
    QStringList names;
    for (const QString &path : paths.mid(0, Listed))
        names << QDir::toNativeSeparators(path);
    if (paths.size() > Listed)
        names << tr("and %1 more").arg(paths.size() - Listed);
    return withoutWaitCursor<bool>([&] {
        QMessageBox box(QMessageBox::Warning, applicationName(),
                        tr("These files exist already and would be replaced:\n%1\n\nReplace them?")
                            .arg(names.join(u'\n')),
                        QMessageBox::Yes | QMessageBox::No, m_owner);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    });
}

bool UserPrompts::askToRestoreRecoveryCopy(const QString &projectPath, const QDateTime &written)
{
    const QString project = projectPath.isEmpty() ? tr("a project that was never saved")
                                                  : QStringLiteral("\"%1\"").arg(projectPath);
    const QString question = tr("The editor ended without saving the changes to %1. A recovery copy of "
                                "them was written on %2.\n\nRestore it? If not, the copy is removed.")
                                 .arg(project, QLocale().toString(written, QLocale::LongFormat));
    return withoutWaitCursor<bool>(
        [&] { return QMessageBox::question(m_owner, applicationName(), question) == QMessageBox::Yes; });
}

void UserPrompts::showMessage(const QString &text, const QString &caption, DocumentPrompts::Icon icon)
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
