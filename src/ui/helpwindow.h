#pragma once

#include <QDialog>

namespace velkari {

// A short guide to the editor, built in so that it is there on every machine.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    static QString guideHtml();
};

} // namespace velkari
