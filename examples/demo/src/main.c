int demo_init(void);

int main(void)
{
    return demo_init();
}
