#ifndef QUEUE_H
#define QUEUE_H

int queue_push(int value);
int queue_pop(int *value);
int queue_size(void);

#endif
