/* peak_rss FILE PROGRAM [ARGUMENT...]: runs PROGRAM, writes its peak resident set in KiB (wait4's
 * ru_maxrss) to FILE and ends with its exit status (128 + the signal that ended it).
 *
 * The program is started from this small process rather than straight from a test: Linux counts
 * the resident set a process had before its exec into ru_maxrss, so a program forked from a
 * large test process would report the test's size instead of its own. */
#define _DEFAULT_SOURCE
#include <errno.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: peak_rss FILE PROGRAM [ARGUMENT...]\n");
        return 125;
    }
    pid_t child = fork();
    if (child < 0)
    {
        perror("peak_rss: fork");
        return 125;
    }
    if (child == 0)
    {
        execv(argv[2], argv + 2);
        perror("peak_rss: exec");
        _exit(127);
    }
    int status = 0;
    struct rusage usage;
    pid_t reaped;
    do
        reaped = wait4(child, &status, 0, &usage);
    while (reaped < 0 && errno == EINTR);
    if (reaped != child)
    {
        perror("peak_rss: wait4");
        return 125;
    }
    FILE* out = fopen(argv[1], "w");
    if (!out || fprintf(out, "%ld\n", usage.ru_maxrss) < 0 || fclose(out) != 0)
    {
        perror("peak_rss: cannot write the result");
        return 125;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
