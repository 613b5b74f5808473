#pragma once

#include "projectchecker.h"

#include <QDialog>

class QLabel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace velkari {

struct SkinProject;

// Every error and warning of the project, grouped by shape and layout, kept up to date while the
// project is edited. A tool window beside the main window: choosing a problem (double-click or
// Enter) asks the owner to open what needs mending.
class ProblemsPanel : public QDialog
{
    Q_OBJECT

public:
    // Narrower, and the messages would wrap into towers of short lines.
    static constexpr int MinimumWidth = 300;

    ProblemsPanel(const SkinProject &project, QWidget *parent);

    // Checks once the events at hand are handled, so that a burst of edits costs one check.
    void scheduleCheck();
    // New and Open: the next check judges a project that was not there before; after Open it
    // also says, once, when pictures cannot be read (picturesMissing).
    void projectReplaced(bool opened);
    void checkNow();

    const QList<Problem> &problems() const { return m_problems; }
    // "Problems (2 · 5)": errors, then warnings.
    QString caption() const;
    // What a skin written now leaves to mend: how many warnings remain, naming a picture that
    // cannot be decoded; empty when none remain.
    QString warningsLeft() const;
    // Shows the panel beside its owner the first time, then where the user left it.
    void showBeside();
    void setVisible(bool visible) override;

Q_SIGNALS:
    void checked(const QString &caption);
    void picturesMissing(const QString &notice);
    void problemChosen(const Problem &problem);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The list and what goes with it are made when first shown: the style's icons alone would
    // cost the editor's start a look-up of every image format plugin.
    void createContents();
    // Shows problems() in the list, keeping the user's place in it.
    void rebuildList();
    void itemActivated(QTreeWidgetItem *item);

    const SkinProject &m_project;
    ProjectChecker m_checker;
    QList<Problem> m_problems;
    // What the list shows: a hidden panel leaves it as it was until it is shown again.
    QList<Problem> m_shown;
    bool m_listStale = true;
    bool m_reportMissing = false;
    bool m_placed = false;
    QTimer *m_checkTimer = nullptr;
    QLabel *m_summary = nullptr;
    QTreeWidget *m_list = nullptr;
};

} // namespace velkari
