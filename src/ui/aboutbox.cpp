#include "aboutbox.h"

#include "appicon.h"
#include "filecommands.h"

#include <QMessageBox>

namespace velkari {

QString AboutBox::menuText()
{
    return tr("&About ViziZarero...");
}

QString AboutBox::title()
{
    return tr("About Velkari Skin Editor");
}

void AboutBox::exec(QWidget *parent)
{
    QMessageBox box(parent);
    box.setWindowTitle(title());
    box.setIconPixmap(applicationIcon().pixmap(64, 64));
    box.setTextFormat(Qt::RichText);
    box.setText(QStringLiteral("<b>%1</b> %2").arg(applicationName(), QCoreApplication::applicationVersion()));
    box.setInformativeText(tr("<p>Describes the keys of the Velkari on-screen keyboard for each screen shape, "
                              "checks every layout against the device's rules and compiles the project, "
                              "pictures included, into the skin file the device reads.</p>"
                              "<p>Free software under the MIT licence.</p>"));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace velkari
