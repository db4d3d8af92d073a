/* Counts the fsync and fdatasync calls of a process: loaded with LD_PRELOAD, it passes each call
 * on and, when the process ends, appends "<pid> <count>" to the file that FSYNC_COUNT_FILE names.
 * bench/run shows what one work item costs in syncs with it, and a fault test keeps that cost
 * within its bound. Processes that exec another program (the scripts' shells) report their own. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

static unsigned long syncs;

static int Forward(const char* name, int descriptor)
{
    int (*real)(int) = (int (*)(int))dlsym(RTLD_NEXT, name);
    ++syncs;
    return real ? real(descriptor) : -1;
}

int fsync(int descriptor)
{
    return Forward("fsync", descriptor);
}

int fdatasync(int descriptor)
{
    return Forward("fdatasync", descriptor);
}

__attribute__((destructor)) static void Report(void)
{
    const char* file = getenv("FSYNC_COUNT_FILE");
    if (!file)
        return;
    const int descriptor = open(file, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return;
    char line[64];
    const int length = snprintf(line, sizeof line, "%ld %lu\n", (long)getpid(), syncs);
    if (length > 0 && write(descriptor, line, (size_t)length) != length)
        syncs = 0;
    close(descriptor);
}
