#include "templatechooser.h"

#include "dialogunits.h"
#include "editorsettings.h"
#include "filecommands.h"
#include "keyboardpainter.h"
#include "skinproject.h"
#include "skintemplates.h"
#include "templateproject.h"
#include "userprompts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace velkari {

namespace {

// The Portrait layouts are small: shown at twice their size, as the canvas shows them.
constexpr int PreviewScale = 2;

QString themeCaption(const QString &theme)
{
    return theme == QLatin1String("light") ? TemplateChooser::tr("Light") : TemplateChooser::tr("Dark");
}

// The first Portrait layout, which a template's project opens on.
const SkinLayout *firstLayout(const SkinProject &project)
{
    return project.layoutList(Portrait).at(0);
}

} // namespace

TemplateChooser::TemplateChooser(QWidget *parent)
    : QDialog(parent)
{
    setFont(DialogUnits::dialogFont());
    setWindowTitle(tr("New Project"));

    m_list = new QListWidget(this);
    m_list->addItem(tr("Empty project"));
    QSize largest;
    for (const SkinTemplateInfo &info : skinTemplates()) {
        auto *item = new QListWidgetItem(info.name, m_list);
        item->setData(Qt::UserRole, info.name);
        SkinProject project;
        buildTemplateProject(project, info.name);
        largest = largest.expandedTo(KeyboardPainter::pictureSize(*firstLayout(project)) * PreviewScale);
    }
    m_list->setCurrentRow(0);
    auto *listLabel = new QLabel(tr("&Start from:"), this);
    listLabel->setBuddy(m_list);

    m_themeList = new QComboBox(this);
    for (const QString &theme : KeyboardTheme::names())
        m_themeList->addItem(themeCaption(theme), theme);
    m_themeList->setCurrentIndex(qMax(0, m_themeList->findData(EditorSettings().pictureTheme())));
    auto *themeLabel = new QLabel(tr("&Theme:"), this);
    themeLabel->setBuddy(m_themeList);

    // As large as the largest preview from the start, so that the dialog does not jump.
    m_preview = new QLabel(this);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_preview->setMinimumSize(largest + QSize(16, 16));
    m_description = new QLabel(this);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_description->setMinimumHeight(m_description->fontMetrics().lineSpacing() * 4);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(listLabel, 0, 0, 1, 2);
    grid->addWidget(m_list, 1, 0, 2, 2);
    grid->addWidget(themeLabel, 3, 0);
    grid->addWidget(m_themeList, 3, 1);
    grid->addWidget(m_preview, 1, 2);
    grid->addWidget(m_description, 2, 2, 2, 1);
    grid->addWidget(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 3);
    grid->setRowStretch(2, 1);
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 4 * m_list->frameWidth() + 24);

    connect(m_list, &QListWidget::currentRowChanged, this, &TemplateChooser::showChoice);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TemplateChooser::accept);
    connect(m_themeList, &QComboBox::currentIndexChanged, this, &TemplateChooser::showChoice);
    connect(buttons, &QDialogButtonBox::accepted, this, &TemplateChooser::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TemplateChooser::reject);
    m_list->setFocus();
    showChoice();
}

NewProjectChoice TemplateChooser::choice() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return {item ? item->data(Qt::UserRole).toString() : QString(), m_themeList->currentData().toString()};
}

QImage TemplateChooser::preview() const
{
    const NewProjectChoice chosen = choice();
    return m_previews.value(chosen.templateName + u'/' + chosen.theme);
}

void TemplateChooser::showChoice()
{
    const NewProjectChoice chosen = choice();
    const bool empty = chosen.templateName.isEmpty();
    m_themeList->setEnabled(!empty);
    if (empty) {
        m_preview->setPixmap(QPixmap());
        m_preview->setText(tr("No keys yet"));
        m_description->setText(tr("One empty layout in each screen shape. Add its keys, then choose or draw a "
                                  "picture for each layout in Layout Properties."));
        return;
    }
    SkinProject project;
    buildTemplateProject(project, chosen.templateName);
    const QString key = chosen.templateName + u'/' + chosen.theme;
    if (!m_previews.contains(key)) {
        const std::optional<KeyboardTheme> theme = KeyboardTheme::named(chosen.theme);
        m_previews.insert(key, theme ? KeyboardPainter(*theme).paint(*firstLayout(project)) : QImage());
    }
    const QImage picture = m_previews.value(key);
    m_preview->setPixmap(QPixmap::fromImage(
        picture.scaled(picture.size() * PreviewScale, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    QString summary;
    for (const SkinTemplateInfo &info : skinTemplates()) {
        if (info.name == chosen.templateName)
            summary = info.summary;
    }
    m_description->setText(tr("%1.\nThe preview shows its Portrait layout \"%2\". You choose where to save the "
                              "project next; its pictures are drawn into a folder beside it.")
                               .arg(summary, firstLayout(project)->name));
}

void TemplateChooser::accept()
{
    if (!choice().templateName.isEmpty())
        EditorSettings().setPictureTheme(choice().theme);
    QDialog::accept();
}

} // namespace velkari
