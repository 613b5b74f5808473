#pragma once

#include "documentprompts.h"

#include <QDialog>
#include <QHash>
#include <QImage>

class QComboBox;
class QLabel;
class QListWidget;

namespace velkari {

// New's question: an empty project, or one of the built-in templates in a theme, each shown by
// a preview of its first Portrait layout as its pictures will look.
class TemplateChooser : public QDialog
{
    Q_OBJECT

public:
    explicit TemplateChooser(QWidget *parent = nullptr);

    // What is selected now; an empty template name for the empty project.
    NewProjectChoice choice() const;
    // The picture the preview shows now, at its own size; null for the empty project.
    QImage preview() const;

    void accept() override;

private:
    void showChoice();

    QListWidget *m_list = nullptr;
    QComboBox *m_themeList = nullptr;
    QLabel *m_preview = nullptr;
    QLabel *m_description = nullptr;
    QHash<QString, QImage> m_previews; // by template and theme
};

} // namespace velkari
