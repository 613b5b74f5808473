#include "vizizareroapp.h"

int main(int argc, char *argv[])
{
    velkari::CViziZareroApp app(argc, argv);
    return app.run();
}
