#include "app/Form1.h"
#include "app/application.h"

#include <cstdlib>

int main(int argc, char** argv) {
    fif::TApplication application(argc, argv);
    auto* window = new fif::TForm1();
    window->show();
    const int result = application.exec();
    // A search that still runs is abandoned: the window refused its calls when it closed,
    // and the process ends without waiting for it.
    delete window;
    return result;
}
