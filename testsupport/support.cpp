#include "support.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ftw.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

// Everything a descriptor holds from its start, read after the writer is done.
std::string slurp(int fd)
{
    std::string bytes;
    char buf[4096];
    lseek(fd, 0, SEEK_SET);
    for (;;) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0) {
            break;
        }
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    return bytes;
}

int scratch_fd()
{
    char name[] = "/tmp/lu-capture-XXXXXX";
    const int fd = mkstemp(name);
    if (fd == -1) {
        std::perror("mkstemp");
        std::abort();
    }
    unlink(name);
    return fd;
}

void write_all(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            std::perror("write");
            std::abort();
        }
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

std::string capture(const std::function<void()> &fn)
{
    std::fflush(stdout);
    const int file = scratch_fd();
    const int saved = dup(1);
    dup2(file, 1);
    seam::clear_log();
    seam::armed(fn);
    dup2(saved, 1);
    close(saved);
    std::string bytes = slurp(file);
    close(file);
    return bytes;
}

TempDir::TempDir()
{
    char name[] = "/tmp/lu-test-XXXXXX";
    if (mkdtemp(name) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    dir = name;
}

TempDir::~TempDir()
{
    nftw(
        dir.c_str(),
        [](const char *p, const struct stat *, int, struct FTW *) { return remove(p); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

std::string TempDir::path(const std::string &name) const
{
    return dir + "/" + name;
}

std::string TempDir::file(const std::string &name, const std::string &bytes) const
{
    const std::string p = path(name);
    const int fd = open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd == -1) {
        std::perror(p.c_str());
        std::abort();
    }
    write_all(fd, bytes);
    close(fd);
    return p;
}

RunResult run(const std::string &program, const std::vector<std::string> &argv,
              const RunOptions &options)
{
    const int out = scratch_fd();
    const int err = scratch_fd();
    int in = -1;
    if (options.input) {
        in = scratch_fd();
        write_all(in, *options.input);
        lseek(in, 0, SEEK_SET);
    }
    std::vector<char *> args;
    for (const std::string &a : argv) {
        args.push_back(const_cast<char *>(a.c_str()));
    }
    args.push_back(nullptr);

    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (in == -1) {
            in = open("/dev/null", O_RDONLY);
        }
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0) {
            _exit(126);
        }
        execv(program.c_str(), args.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
    }
    RunResult result{slurp(out), slurp(err),
                     WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status)};
    close(out);
    close(err);
    if (in != -1) {
        close(in);
    }
    return result;
}

std::string program_path(const std::string &name)
{
    return std::string(LU_BIN_DIR) + "/" + name;
}

std::string all_bytes()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

std::string noise(std::size_t n)
{
    std::string bytes;
    std::uint32_t x = 12345;
    for (std::size_t i = 0; i < n; ++i) {
        x = x * 1103515245U + 12345U;
        bytes.push_back(static_cast<char>(x >> 16));
    }
    return bytes;
}
