#include "Application.h"

int main(int argc, char *argv[])
{
    return runStylomat(argc, argv);
}
