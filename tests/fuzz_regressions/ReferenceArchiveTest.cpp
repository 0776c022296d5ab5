#include <gtest/gtest.h>

#include <string>

#include "ReferenceArchive.h"

// The document check compares bytes only where the reference calls the input
// canonical; a reference that called nothing canonical would switch the
// byte-for-byte rule off unnoticed.
using keldo::fuzz::ReadReferenceDocument;

namespace {

std::string FixedBlock(char fill = '\0') { return std::string(84, fill); }

} // namespace

TEST(ReferenceArchive, ReadsTheSmallestDocumentAsCanonical)
{
    const std::string line = "  2500.000      0.20000     0.30000";
    const std::string bytes = std::string("\x01"
                                          "A")
        + FixedBlock() + std::string("\x01\x00", 2) + static_cast<char>(line.size()) + line;
    ASSERT_EQ(bytes.size(), 124u);
    const auto doc = ReadReferenceDocument(bytes + "trailing");
    EXPECT_TRUE(doc.complete);
    EXPECT_TRUE(doc.canonical);
    EXPECT_EQ(doc.consumed, 124u);
    ASSERT_EQ(doc.lines.size(), 1u);
    EXPECT_EQ(doc.lines[0].raw, line);
}

TEST(ReferenceArchive, LongerPrefixesThanNeededAreNotCanonical)
{
    const std::string shortText16 = std::string("\xff\x05\x00", 3) + "Hallo" + FixedBlock() + std::string(2, '\0');
    const std::string shortCount32 = std::string("\x00", 1) + FixedBlock() + std::string("\xff\xff\x00\x00\x00\x00", 6);
    for (const auto& bytes : {shortText16, shortCount32}) {
        const auto doc = ReadReferenceDocument(bytes);
        EXPECT_TRUE(doc.complete);
        EXPECT_FALSE(doc.canonical);
        EXPECT_EQ(doc.consumed, bytes.size());
    }
}

TEST(ReferenceArchive, Utf16NameIsDecodedAndNeverCanonical)
{
    // "Ä" and a lone high surrogate.
    const std::string bytes = std::string("\xff\xfe\xff\x02\xc4\x00\x00\xd8", 8) + FixedBlock() + std::string(2, '\0');
    const auto doc = ReadReferenceDocument(bytes);
    EXPECT_TRUE(doc.complete);
    EXPECT_FALSE(doc.canonical);
    EXPECT_TRUE(doc.anyUtf16);
    EXPECT_EQ(doc.name.utf8, "\xc3\x84\xef\xbf\xbd");
}

TEST(ReferenceArchive, MissingBytesAnywhereMakeItIncomplete)
{
    const std::string whole = std::string("\x01"
                                          "A")
        + FixedBlock() + std::string("\x01\x00\x02xy", 5);
    for (size_t cut = 0; cut < whole.size(); ++cut)
        EXPECT_FALSE(ReadReferenceDocument(whole.substr(0, cut)).complete) << cut;
    EXPECT_TRUE(ReadReferenceDocument(whole).complete);
    // A count far beyond the bytes.
    const std::string huge = std::string("\x00", 1) + FixedBlock() + std::string("\xff\xff\xff\xff\xff\xff\x00", 7);
    EXPECT_FALSE(ReadReferenceDocument(huge).complete);
}
