#include "vizizareroapp.h"

int main(int argc, char *argv[])
{
    if (const auto exitCode = velkari::CViziZareroApp::answerInformationRequest(argc, argv))
        return *exitCode;
    velkari::CViziZareroApp app(argc, argv);
    return app.run();
}
