#pragma once

#include <QApplication>

namespace velkari {

// The editor application: names itself, then runs the main window until it is closed.
class CViziZareroApp : public QApplication
{
    Q_OBJECT

public:
    CViziZareroApp(int &argc, char **argv);

    // Runs the main window, opening the project named on the command line if there is one.
    int run();
};

} // namespace velkari
