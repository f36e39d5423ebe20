static int initialised;

int demo_init(void)
{
    initialised = 1;
    return 0;
}
