// The start-up yardstick: a C program that does nothing at all.
int main(void)
{
    return 0;
}
