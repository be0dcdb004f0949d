#include "bytedump.h"

int main(int argc, char **argv)
{
    lu_hexdump(argc, argv);
    return 0;
}
