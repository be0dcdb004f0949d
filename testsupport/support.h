// Test support shared by every test of the suite.
//
//  - capture(): what a piece of code writes on descriptor 1, byte for byte.
//  - seam::: link-time seams on write, read, open, close and malloc. The
//    test executables are linked with --wrap, so the product's calls land in
//    the wrappers; while the seams are armed each call is recorded and can be
//    made to fail. Disarmed, the wrappers pass straight through, so the test
//    framework's own calls are never counted.
//  - TempDir: a scratch folder with small fixture files.
//  - run(): a built program run as a child process, with its standard output
//    and exit status.
#ifndef LU_TESTSUPPORT_H
#define LU_TESTSUPPORT_H

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace seam
{

enum class Call { write, read, open, close, malloc, count_ };

struct Record {
    Call call;
    int fd;           // write, read, close: the descriptor; open: the result
    std::size_t size; // write, read, malloc: the length asked for
    long result;      // what the call returned (-1 or 0 when made to fail)
    std::string text; // open: the path
};

// Every call made while armed, in order.
const std::vector<Record> &log();
// The number of calls of one kind made while armed, optionally on one fd.
std::size_t count(Call call);
std::size_t count(Call call, int fd);

// Make the nth call of a kind (counted from 1 since the last reset) fail with
// err; with always set, that call and every later one fail.
void fail(Call call, std::size_t nth, int err, bool always = false);

// Stop (false) or resume (true) recording calls in the log; they are still
// counted and can still be made to fail. For runs that make more calls than
// a log could hold. reset() resumes recording.
void record(bool on);

// Forget the log and the failures.
void reset();
// Forget the log and the call counts; failures that are set stay.
void clear_log();

// Arm the seams for the length of one call of fn.
void armed(const std::function<void()> &fn);

} // namespace seam

// Run fn with descriptor 1 sent to a scratch file and the seams armed;
// return exactly the bytes written. The log is cleared first, so seam::log()
// afterwards holds the calls that fn made; failures set up with seam::fail()
// before the call apply to them.
std::string capture(const std::function<void()> &fn);

// A scratch folder, removed with all it holds when the object goes.
struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    // Create (or replace) a file in the folder; returns its path.
    std::string file(const std::string &name, const std::string &bytes) const;
    std::string path(const std::string &name) const;
    std::string dir;
};

struct RunResult {
    std::string out; // every byte of standard output
    std::string err; // every byte of standard error
    int status;      // the exit status, or -(signal number)
};

struct RunOptions {
    std::optional<std::string> input = {}; // standard input; /dev/null when absent
    std::string cwd = {};                  // working directory; inherited when empty
};

// Run a program with exactly the given argument vector (argv[0] included;
// an empty vector gives the program argc == 0).
RunResult run(const std::string &program, const std::vector<std::string> &argv,
              const RunOptions &options = {});

// Path of a built program of the suite, by its name.
std::string program_path(const std::string &name);

// A text holding the bytes 0 to 255 in ascending order.
std::string all_bytes();

// n bytes that repeat with no short period, so that bytes taken from the
// wrong place of a file cannot pass for the right ones.
std::string noise(std::size_t n);

#endif
