#include "bytetail.h"

int main(int argc, char **argv)
{
    lu_tail(argc, argv);
    return 0;
}
