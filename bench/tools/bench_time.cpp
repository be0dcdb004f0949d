// Runs one or more commands alternately, several times each, and prints per
// command the median wall time, the median CPU time (user + system, of that
// process alone) and the median peak resident size.
//
//   bench_time [--runs N] [--in FILE | --pipe FILE] [--out FILE]
//              [--cpu-limit SECONDS] -- COMMAND... [-- COMMAND...]...
//
// --in gives the commands FILE as standard input; --pipe feeds FILE through
// a pipe from a separate writer process, so the command reads a pipe. Output
// goes to /dev/null unless --out names a file. With --cpu-limit a command
// that uses more CPU than that is stopped and reported as "limit".
//
// Commands run without address-space randomisation.
//
// One line per command: wall_ms cpu_ms peak_rss_kib status, where status is
// "ok", "limit" or "failed".
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/personality.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{

struct Sample {
    double wall_ms;
    double cpu_ms;
    long rss_kib;
    bool limited;
    bool failed;
};

struct Options {
    int runs = 5;
    std::string in;
    bool pipe_in = false;
    std::string out = "/dev/null";
    long cpu_limit = 0;
    std::vector<std::vector<char *>> commands;
};

[[noreturn]] void die(const char *what)
{
    std::fprintf(stderr, "bench_time: %s: %s\n", what, std::strerror(errno));
    std::exit(2);
}

double now_ms()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double ms(const timeval &t)
{
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// The writer at the other end of the pipe: the whole file in large writes.
pid_t start_feeder(const std::string &path, int pipe_write, int pipe_read)
{
    const pid_t pid = fork();
    if (pid == -1) {
        die("fork");
    }
    if (pid == 0) {
        close(pipe_read);
        const int fd = open(path.c_str(), O_RDONLY);
        if (fd == -1) {
            die(path.c_str());
        }
        static char buffer[1 << 16];
        ssize_t n = 0;
        while ((n = read(fd, buffer, sizeof buffer)) > 0) {
            for (ssize_t done = 0; done < n;) {
                const ssize_t w = write(pipe_write, buffer + done, static_cast<size_t>(n - done));
                if (w <= 0) {
                    _exit(1);
                }
                done += w;
            }
        }
        _exit(0);
    }
    return pid;
}

Sample run_once(const Options &o, const std::vector<char *> &argv)
{
    int pipe_fds[2] = {-1, -1};
    pid_t feeder = -1;
    const double start = now_ms();
    if (o.pipe_in) {
        if (pipe(pipe_fds) != 0) {
            die("pipe");
        }
        feeder = start_feeder(o.in, pipe_fds[1], pipe_fds[0]);
        close(pipe_fds[1]);
    }
    const pid_t pid = fork();
    if (pid == -1) {
        die("fork");
    }
    if (pid == 0) {
        int in = -1;
        if (o.pipe_in) {
            in = pipe_fds[0];
        } else {
            in = open(o.in.empty() ? "/dev/null" : o.in.c_str(), O_RDONLY);
        }
        const int out = open(o.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in == -1 || out == -1 || dup2(in, 0) == -1 || dup2(out, 1) == -1) {
            die("redirect");
        }
        close(in);
        close(out);
        if (o.cpu_limit > 0) {
            const rlimit limit{static_cast<rlim_t>(o.cpu_limit), static_cast<rlim_t>(o.cpu_limit)};
            setrlimit(RLIMIT_CPU, &limit);
        }
        // The same address layout on every run: with it, the peak resident
        // size no longer varies with where the libraries happen to land.
        personality(ADDR_NO_RANDOMIZE);
        execv(argv[0], argv.data());
        die(argv[0]);
    }
    if (o.pipe_in) {
        close(pipe_fds[0]);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        die("wait4");
    }
    const double end = now_ms();
    if (feeder != -1) {
        int feeder_status = 0;
        waitpid(feeder, &feeder_status, 0);
    }
    Sample s{};
    s.wall_ms = end - start;
    s.cpu_ms = ms(usage.ru_utime) + ms(usage.ru_stime);
    s.rss_kib = usage.ru_maxrss;
    s.limited = WIFSIGNALED(status) && (WTERMSIG(status) == SIGXCPU || WTERMSIG(status) == SIGKILL);
    s.failed = !s.limited && !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return s;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

Options parse(int argc, char **argv)
{
    Options o;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) {
            break;
        }
        if (a == "--runs") {
            o.runs = std::atoi(argv[++i]);
        } else if (a == "--in") {
            o.in = argv[++i];
        } else if (a == "--pipe") {
            o.in = argv[++i];
            o.pipe_in = true;
        } else if (a == "--out") {
            o.out = argv[++i];
        } else if (a == "--cpu-limit") {
            o.cpu_limit = std::atol(argv[++i]);
        } else {
            std::fprintf(stderr, "bench_time: unknown option %s\n", argv[i]);
            std::exit(2);
        }
    }
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            o.commands.emplace_back();
        } else if (!o.commands.empty()) {
            o.commands.back().push_back(argv[i]);
        }
    }
    for (auto &c : o.commands) {
        c.push_back(nullptr);
    }
    if (o.runs < 1 || o.commands.empty() || o.commands.front().size() < 2) {
        std::fprintf(stderr, "usage: bench_time [--runs N] [--in FILE | --pipe FILE] [--out FILE]"
                             " [--cpu-limit S] -- COMMAND... [-- COMMAND...]\n");
        std::exit(2);
    }
    return o;
}

} // namespace

int main(int argc, char **argv)
{
    const Options o = parse(argc, argv);
    const size_t n = o.commands.size();
    std::vector<std::vector<Sample>> samples(n);
    // Alternate the commands and turn the order round on every pass, so that
    // neither always runs first after the other warmed the caches.
    for (int r = 0; r < o.runs; ++r) {
        for (size_t k = 0; k < n; ++k) {
            const size_t c = r % 2 == 0 ? k : n - 1 - k;
            samples[c].push_back(run_once(o, o.commands[c]));
        }
    }
    for (size_t c = 0; c < n; ++c) {
        std::vector<double> wall;
        std::vector<double> cpu;
        std::vector<double> rss;
        bool limited = false;
        bool failed = false;
        for (const Sample &s : samples[c]) {
            wall.push_back(s.wall_ms);
            cpu.push_back(s.cpu_ms);
            rss.push_back(static_cast<double>(s.rss_kib));
            limited = limited || s.limited;
            failed = failed || s.failed;
        }
        std::printf("%.3f %.3f %.0f %s\n", median(wall), median(cpu), median(rss),
                    failed    ? "failed"
                    : limited ? "limit"
                              : "ok");
    }
    return 0;
}
