// Runs a program with its standard output sent to /dev/null and prints, on
// one line, its wall and CPU (user + system) milliseconds and its peak
// resident memory in KiB:
//
//   bench_child_usage PROGRAM [ARG...]  ->  "<wall_ms> <cpu_ms> <peak_kib>"
//
// The peak of a process counts the memory of the process it was forked from
// until its exec, so a program forked from a large benchmark would report the
// benchmark's memory as its own. Started from this small process instead,
// the figure is the program's own.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

namespace {

double milliseconds(const timespec& t) {
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double milliseconds(const timeval& t) {
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_child_usage PROGRAM [ARG...]\n");
        return 2;
    }
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return 2;
    }
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null < 0 || dup2(null, STDOUT_FILENO) < 0)
            _exit(127);
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        return 2;
    }
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &end);
    std::printf("%.3f %.3f %ld\n", milliseconds(end) - milliseconds(start),
                milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}
