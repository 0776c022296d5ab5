#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "LineReader.h"
#include "WellDataTestFiles.h"

using keldo::LineLimits;
using keldo::LineReader;
using Result = keldo::LineReader::Result;

namespace {

// What a reader gives, call by call, up to the first result that is not a
// line: "line text" for a line, "#TooLong 3" and the like for the end.
std::vector<std::string> Outcome(LineReader& reader)
{
    std::vector<std::string> out;
    std::string_view line;
    for (;;) {
        const Result result = reader.Next(line);
        if (result == Result::Line) {
            out.emplace_back(line);
            continue;
        }
        const char* names[] = {"", "#End", "#TooLong", "#TooManyLines", "#ReadError"};
        out.push_back(names[static_cast<int>(result)] + std::string(" ") + std::to_string(reader.LineNumber()));
        // Every result but a line ends the reading.
        EXPECT_EQ(reader.Next(line), result);
        return out;
    }
}

struct LineCase {
    const char* what;
    std::string text;
    LineLimits limits;
    std::vector<std::string> outcome;
};

const LineCase kCases[] = {
    {"LF, the last line without one", "a\nbc\n\nd", {}, {"a", "bc", "", "d", "#End 4"}},
    {"CR LF", "a\r\nbc\r\n\r\n", {}, {"a", "bc", "", "#End 3"}},
    {"a lone CR stays in its line, one at the very end goes", "a\rb\nc\r", {}, {"a\rb", "c", "#End 2"}},
    {"two CRs: only the one before the LF is the line end's", "a\r\r\n", {}, {"a\r", "#End 1"}},
    {"an empty text has no line", "", {}, {"#End 0"}},
    {"a line end alone is one empty line", "\n", {}, {"", "#End 1"}},
    {"a byte-order mark belongs to no line", "\xEF\xBB\xBFwell\n", {}, {"well", "#End 1"}},
    {"a byte-order mark alone", "\xEF\xBB\xBF", {}, {"#End 0"}},
    {"only the first byte-order mark is taken away", "\xEF\xBB\xBF\xEF\xBB\xBFx", {}, {"\xEF\xBB\xBFx", "#End 1"}},
    {"a byte-order mark after the start is text",
        "a\n\xEF\xBB\xBF"
        "b",
        {},
        {"a",
            "\xEF\xBB\xBF"
            "b",
            "#End 2"}},
    {"a line at exactly the limit", "abcde\nabcd", {5}, {"abcde", "abcd", "#End 2"}},
    {"one byte over the limit, naming its line", "abcde\nabcdef\nx", {5}, {"abcde", "#TooLong 2"}},
    {"the CR before the LF is not counted", "abcde\r\n", {5}, {"abcde", "#End 1"}},
    {"nor one at the very end", "abcde\r", {5}, {"abcde", "#End 1"}},
    {"a CR inside is", "abcd\re\n", {5}, {"#TooLong 1"}},
    {"a last line over the limit without a line end", "ab\nabcdefgh", {5}, {"ab", "#TooLong 2"}},
    {"a multi-byte character counts by its bytes", "\xC3\xA4\xC3\xB6\xC3\xBC", {5}, {"#TooLong 1"}},
    {"as many lines as allowed", "a\nb\n", {keldo::kNoLimit, 2}, {"a", "b", "#End 2"}},
    {"one line more than allowed", "a\nb\nc", {keldo::kNoLimit, 2}, {"a", "b", "#TooManyLines 3"}},
    {"an empty last line counts", "a\nb\n\n", {keldo::kNoLimit, 2}, {"a", "b", "#TooManyLines 3"}},
    {"a line beyond the count is refused for that, even when too long", "a\nlong line", {3, 1},
        {"a", "#TooManyLines 2"}},
};

} // namespace

// The same lines whether the reader splits a text in memory or a stream,
// read in blocks of any size (the smallest holds a byte-order mark).
TEST(LineReader, SplitsTextsAndStreamsAlike)
{
    for (const LineCase& c : kCases) {
        SCOPED_TRACE(c.what);
        LineReader fromText(c.text, c.limits);
        EXPECT_EQ(Outcome(fromText), c.outcome);
        for (size_t block : {size_t{1}, size_t{4}, size_t{5}, LineLimits{}.blockBytes}) {
            SCOPED_TRACE(block);
            LineLimits limits = c.limits;
            limits.blockBytes = block;
            std::istringstream in(c.text);
            LineReader fromStream(in, limits);
            EXPECT_EQ(Outcome(fromStream), c.outcome);
        }
    }
}

// A line too long, or one beyond the count, is refused without reading it
// to its end: no more than one block past the lines before.
TEST(LineReader, StopsReadingAtARefusedLine)
{
    const struct {
        std::string text;
        LineLimits limits;
        std::vector<std::string> outcome;
        long long readAtMost;
    } cases[] = {
        {std::string(10'000'000, '7'), {100, keldo::kNoLimit, 4096}, {"#TooLong 1"}, 4096},
        {"1\n2\n" + std::string(10'000'000, ' '), {100, keldo::kNoLimit, 4096}, {"1", "2", "#TooLong 3"}, 4096},
        {"1\n" + std::string(10'000'000, '7'), {keldo::kNoLimit, 1, 4096}, {"1", "#TooManyLines 2"}, 4096},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        LineReader lines(in, c.limits);
        EXPECT_EQ(Outcome(lines), c.outcome);
        in.clear();
        EXPECT_LE(static_cast<long long>(in.tellg()), c.readAtMost);
    }
}

// Lines that run over the reader's blocks, in the largest Volve LAS file
// (15/9-F-11 B, 1.4 MB), come out as the standard library splits them.
TEST(LineReader, ReadsARealFileAcrossItsBlocks)
{
    std::ifstream file(VolveWellLas("15_9-F-11_B"), std::ios::binary);
    ASSERT_TRUE(file.is_open());
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_GT(text.size(), 1u << 20);
    std::vector<std::string> expected;
    std::istringstream split(text);
    for (std::string line; std::getline(split, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        expected.push_back(line);
    }
    expected.push_back("#End " + std::to_string(expected.size()));
    std::istringstream in(text);
    LineReader lines(in, LineLimits{1 << 20});
    EXPECT_EQ(Outcome(lines), expected);
}

namespace {

// A device that hands out its bytes and then fails.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::string bytes) : m_bytes(std::move(bytes))
    {
        setg(m_bytes.data(), m_bytes.data(), m_bytes.data() + m_bytes.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("device"); }

private:
    std::string m_bytes;
};

} // namespace

// A stream that fails gives no line of the block it failed in, not even
// the whole ones: what was read may be cut anywhere.
TEST(LineReader, AReadErrorEndsTheReading)
{
    FailingBuffer device("a\nb\nc");
    std::istream in(&device);
    LineReader lines(in, LineLimits{});
    EXPECT_EQ(Outcome(lines), std::vector<std::string>{"#ReadError 0"});
}
