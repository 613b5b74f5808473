#pragma once

#include <QApplication>

#include <optional>

namespace velkari {

// The editor application: names itself, then runs the main window until it is closed.
class CViziZareroApp : public QApplication
{
    Q_OBJECT

public:
    CViziZareroApp(int &argc, char **argv);

    // --help and --version are answered on standard output before any window or display is
    // needed; the exit code when one was asked for.
    static std::optional<int> answerInformationRequest(int argc, char **argv);

    // Runs the main window, opening the project named on the command line if there is one.
    int run();
};

} // namespace velkari
