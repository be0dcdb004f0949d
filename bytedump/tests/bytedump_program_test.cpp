#include <gtest/gtest.h>

#include "support.h"

namespace
{

const std::string bytedump = program_path("bytedump");

std::string spaces(std::size_t n)
{
    return std::string(n, ' ');
}

RunResult dump_in(const TempDir &tmp, const std::vector<std::string> &args)
{
    std::vector<std::string> argv{"bytedump"};
    argv.insert(argv.end(), args.begin(), args.end());
    return run(bytedump, argv, {.input = "stdin is never read", .cwd = tmp.dir});
}

} // namespace

TEST(BytedumpProgram, Listings)
{
    TempDir tmp;
    tmp.file("empty", "");
    tmp.file("16", "0123456789ABCDEF");
    tmp.file("17", "0123456789ABCDEFG");
    tmp.file("-", "dash");
    tmp.file("-C", "option");
    const std::string l16 =
        "00000000  30 31 32 33 34 35 36 37  38 39 41 42 43 44 45 46  |0123456789ABCDEF|\n";
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{}, ""},
        {{"-c", "16"}, ""},
        {{"16"}, ""},
        {{"-C"}, "00000000  \n"},
        {{"-C", "empty"}, "00000000  \n"},
        {{"-C", "16"}, l16 + "00000010  \n"},
        {{"-Cx", "16"}, l16 + "00000010  \n"},
        {{"-C", "17"}, l16 + "00000010  47" + spaces(48) + "|G|\n00000020  \n"},
        {{"-C", "-", "-C"},
         "00000000  64 61 73 68" + spaces(39) + "|dash|\n" + "00000010  6f 70 74 69 6f 6e" +
             spaces(33) + "|option|\n00000020  \n"},
        {{"-C", "missing", "16"},
         "bytedump: missing: No such file or directory\n" + l16 + "00000010  \n"},
        {{"-C", ".", "16"}, "bytedump: .: Is a directory\n" + l16 + "00000010  \n"},
        {{"-C", "missing", "."},
         "bytedump: missing: No such file or directory\nbytedump: .: Is a directory\n"
         "00000000  \n"},
    };
    for (const auto &c : cases) {
        const RunResult r = dump_in(tmp, c.args);
        EXPECT_EQ(r.out, c.out) << testing::PrintToString(c.args);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, 0);
    }
}

TEST(BytedumpProgram, EmptyArgumentVector)
{
    const RunResult r = run(bytedump, {});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.status, 0);
}

TEST(BytedumpProgram, ProgramNameFromItsPath)
{
    TempDir tmp;
    const RunResult r = run(bytedump, {"/some/where/hexy", "-C", "nofile"}, {.cwd = tmp.dir});
    EXPECT_EQ(r.out, "hexy: nofile: No such file or directory\n00000000  \n");
}

TEST(BytedumpProgram, RepeatedLinesAreAllPrinted)
{
    TempDir tmp;
    tmp.file("same", std::string(16 * 50, 'z'));
    const RunResult r = dump_in(tmp, {"-C", "same"});
    const std::string zs =
        "7a 7a 7a 7a 7a 7a 7a 7a  7a 7a 7a 7a 7a 7a 7a 7a  |" + std::string(16, 'z') + "|\n";
    std::string expected;
    char offset[16];
    for (int i = 0; i < 50; ++i) {
        std::snprintf(offset, sizeof offset, "%08x  ", i * 16);
        expected += offset + zs;
    }
    expected += "00000320  \n";
    EXPECT_EQ(r.out, expected);
}

TEST(BytedumpProgram, EveryByteValue)
{
    TempDir tmp;
    tmp.file("bytes", all_bytes());
    const RunResult r = dump_in(tmp, {"-C", "bytes"});
    std::string expected;
    char text[128];
    for (int row = 0; row < 16; ++row) {
        std::snprintf(text, sizeof text, "%08x  ", row * 16);
        expected += text;
        std::string chars;
        for (int col = 0; col < 16; ++col) {
            const int b = row * 16 + col;
            std::snprintf(text, sizeof text, col == 7 ? "%02x  " : "%02x ", b);
            expected += text;
            chars.push_back(b >= 32 && b <= 126 ? static_cast<char>(b) : '.');
        }
        expected += " |" + chars + "|\n";
    }
    expected += "00000100  \n";
    EXPECT_EQ(r.out, expected);
}
