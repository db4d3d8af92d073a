/* measure: runs a command (or a sequence of commands) repeatedly and prints, for each run,
 * its wall time and peak resident set size.
 *
 *   measure [-n RUNS] [-w WARMUP] [-C DIR] [-o FILE] [-x STATUS] -- CMD [ARGS...] [--- CMD [ARGS...]]...
 *
 * One output line per measured run: "<wall microseconds> <peak RSS kB> <CPU microseconds>" (CPU:
 * user + system time of the command and the children it waited for). Commands separated by
 * "---" run one after the other and count as one run: their wall and CPU times add up and the
 * RSS is the largest of them. Standard input is /dev/null; standard output and error go to FILE
 * (default /dev/null) so that terminal output does not weigh on the result. A run whose
 * command does not end with STATUS (default 0) stops the measurement with status 2, so a
 * broken set-up is never reported as a fast one.
 *
 * Wall time is taken with CLOCK_MONOTONIC around fork, exec and wait, and the peak RSS from
 * the rusage that wait4 reports for that child (which covers the children it waited for, such
 * as the scripts an agent runs). Warm-up runs fill the page cache and are not printed.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static void usage(void)
{
    fprintf(stderr, "usage: measure [-n RUNS] [-w WARMUP] [-C DIR] [-o FILE] [-x STATUS] -- CMD [ARGS...] [--- CMD [ARGS...]]...\n");
    exit(64);
}

static long long now_ns(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

/* Runs one command; returns its wall time in nanoseconds and stores its peak RSS and CPU time. */
static long long run_once(char** argv, const char* dir, const char* out, int expected, long* rss_kb, long long* cpu_us)
{
    const long long start = now_ns();
    const pid_t pid = fork();
    if (pid < 0)
    {
        perror("measure: fork");
        exit(2);
    }
    if (pid == 0)
    {
        int in = open("/dev/null", O_RDONLY);
        int sink = open(out, O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (in < 0 || sink < 0 || dup2(in, 0) < 0 || dup2(sink, 1) < 0 || dup2(sink, 2) < 0)
            _exit(126);
        close(in);
        close(sink);
        if (dir && chdir(dir) != 0)
            _exit(126);
        execvp(argv[0], argv);
        _exit(127);
    }
    int status = 0;
    struct rusage usage;
    memset(&usage, 0, sizeof usage);
    while (wait4(pid, &status, 0, &usage) < 0)
    {
        if (errno != EINTR)
        {
            perror("measure: wait4");
            exit(2);
        }
    }
    const long long elapsed = now_ns() - start;
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (code != expected)
    {
        fprintf(stderr, "measure: '%s' ended with status %d, expected %d (output in %s)\n", argv[0], code, expected, out);
        exit(2);
    }
    *rss_kb = usage.ru_maxrss;
    *cpu_us = (long long)(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    return elapsed;
}

int main(int argc, char** argv)
{
    int runs = 10;
    int warmup = 2;
    int expected = 0;
    const char* dir = NULL;
    const char* out = "/dev/null";
    int opt;
    while ((opt = getopt(argc, argv, "n:w:C:o:x:")) != -1)
    {
        switch (opt)
        {
        case 'n': runs = atoi(optarg); break;
        case 'w': warmup = atoi(optarg); break;
        case 'C': dir = optarg; break;
        case 'o': out = optarg; break;
        case 'x': expected = atoi(optarg); break;
        default: usage();
        }
    }
    if (optind >= argc || runs < 1 || warmup < 0)
        usage();

    /* Split the rest at "---" into separate argument vectors (in place). */
    char** commands[64];
    int count = 0;
    commands[count++] = &argv[optind];
    for (int i = optind; i < argc; ++i)
    {
        if (strcmp(argv[i], "---") == 0)
        {
            argv[i] = NULL;
            if (count == 64 || i + 1 >= argc)
                usage();
            commands[count++] = &argv[i + 1];
        }
    }

    for (int run = 0; run < warmup + runs; ++run)
    {
        long long wall = 0;
        long long cpu = 0;
        long peak = 0;
        for (int c = 0; c < count; ++c)
        {
            long rss = 0;
            long long used = 0;
            wall += run_once(commands[c], dir, out, expected, &rss, &used);
            cpu += used;
            if (rss > peak)
                peak = rss;
        }
        if (run >= warmup)
        {
            printf("%lld %ld %lld\n", wall / 1000, peak, cpu);
            fflush(stdout);
        }
    }
    return 0;
}
