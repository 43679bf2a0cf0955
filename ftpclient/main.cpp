#include "ftpclient/cbrowserapp.h"

int main(int argc, char *argv[])
{
    CBrowserApp app(argc, argv);
    return app.run();
}
