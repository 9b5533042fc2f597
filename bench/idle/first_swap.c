/* Loaded into a measured program (LD_PRELOAD): when it first shows a frame,
 * the time (CLOCK_MONOTONIC, nanoseconds) goes as one line to the file
 * descriptor named by MG_BENCH_FIRST_SWAP_FD. The program itself is not
 * changed and never sees the variable. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

typedef void (*SwapFn)(void*);

void SDL_GL_SwapWindow(void* window)
{
    static SwapFn real;
    static int reported;
    if (!real) real = (SwapFn)dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    if (real) real(window);
    if (reported) return;
    reported = 1;
    const char* fd = getenv("MG_BENCH_FIRST_SWAP_FD");
    if (!fd) return;
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    dprintf(atoi(fd), "%lld\n", (long long)t.tv_sec * 1000000000LL + t.tv_nsec);
}
