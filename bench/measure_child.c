/*
 * Runs one command and prints its wall time and peak resident set size.
 *
 *   measure_child STDERR_FILE COMMAND [ARG...]
 *
 * prints "WALL_SECONDS MAXRSS_KIB EXIT_CODE USER_SECONDS SYSTEM_SECONDS" on
 * standard output; the command
 * gets /dev/null as standard input and output and STDERR_FILE as error stream.
 *
 * Why a C program: Linux keeps the peak RSS of the image that called exec in
 * the child's ru_maxrss, so a command spawned straight from the benchmark's
 * Python process would report at least Python's own peak. Forked from this
 * small program, the command's figure is its own (floor: about 1 MiB).
 */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

int main(int argc, char *argv[])
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s STDERR_FILE COMMAND [ARG...]\n", argv[0]);
        return 2;
    }
    int null_fd = open("/dev/null", O_RDWR | O_CLOEXEC);
    int err_fd = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (null_fd < 0 || err_fd < 0) {
        perror("measure_child: open");
        return 2;
    }
    fflush(stdout);
    double start = now();
    pid_t pid = fork();
    if (pid < 0) {
        perror("measure_child: fork");
        return 2;
    }
    if (pid == 0) {
        dup2(null_fd, 0);
        dup2(null_fd, 1);
        dup2(err_fd, 2);
        execvp(argv[2], argv + 2);
        perror("measure_child: exec");
        _exit(127);
    }
    int status = 0;
    struct rusage usage;
    if (wait4(pid, &status, 0, &usage) < 0) {
        perror("measure_child: wait4");
        return 2;
    }
    double wall = now() - start;
    int code = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    printf("%.9f %ld %d %.6f %.6f\n", wall, usage.ru_maxrss, code,
           usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6,
           usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6);
    return 0;
}
