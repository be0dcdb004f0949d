#include "lu.h"
#include "rect.h"

// Exactly two arguments or nothing at all: any other count draws nothing and
// leaves the arguments unread.
int main(int argc, char **argv)
{
    if (argc != 3) {
        return 0;
    }
    const std::int32_t width = lu_atoi(argv[1]);
    const std::int32_t height = lu_atoi(argv[2]);
    rush(width, height);
    return 0;
}
