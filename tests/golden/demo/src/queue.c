#include "queue.h"

#ifndef QUEUE_SIZE
#define QUEUE_SIZE 8
#endif

static int items[QUEUE_SIZE];
static int head, count;

int queue_push(int value)
{
    if (count == QUEUE_SIZE)
        return -1;
    items[(head + count) % QUEUE_SIZE] = value;
    count++;
    return 0;
}

int queue_pop(int *value)
{
    if (count == 0)
        return -1;
    *value = items[head];
    head = (head + 1) % QUEUE_SIZE;
    count--;
    return 0;
}

int queue_size(void)
{
    return count;
}
