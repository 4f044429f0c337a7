// wtrq's entry: start-up, the screen sequence, shut-down.
#include "app/Application.h"

int main(int argc, char** argv)
{
    int status;
    {
        Application application(argc, argv);
        status = application.run();
    }
    return status;
}
