#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "DocumentFile.h"
#include "FileResultCheck.h"
#include "RecordingMessageBox.h"
#include "TextFormat.h"

using keldo::DeserializeDocument;
using keldo::SerializeDocument;

namespace {

std::string Zeros(size_t n) { return std::string(n, '\0'); }

std::string Le16(uint16_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }

std::string Le32(uint32_t v) { return Le16(static_cast<uint16_t>(v)) + Le16(static_cast<uint16_t>(v >> 16)); }

// The 84-byte block of a document with every number 0.
const std::string kZeroBlock = Zeros(84);

std::string MeasurementLine(double tvd, double phi, double sw)
{
    return keldo::Format("%10.3f   %10.5f  %10.5f", tvd, phi, sw);
}

struct Fixture : ::testing::Test {
    RecordingMessageBox box;
    CKeldoDoc doc{box};
    CKeldoDoc loaded{box};

    void SetUp() override
    {
        doc.OnNewDocument();
        loaded.OnNewDocument();
    }
};

using DocumentFileLayout = Fixture;

} // namespace

TEST_F(DocumentFileLayout, TheOilExampleIs124Bytes)
{
    doc.m_strBohrung = "A";
    doc.m_fWasserdichte = 1000.0f;
    doc.m_nFluid = 1;
    doc.m_fCutoff = 0; // not stored
    doc.m_Messwerte = {MeasurementLine(2500, 0.2, 0.3)};
    ASSERT_EQ(doc.m_Messwerte[0].size(), 35u);

    const std::string expected = std::string("\x01\x41", 2) + Zeros(48) + std::string("\x00\x00\x7A\x44", 4) + Zeros(24)
        + std::string("\x01\x00\x00\x00", 4) + Zeros(4) + std::string("\x01\x00", 2) + "\x23" + doc.m_Messwerte[0];
    const std::string bytes = SerializeDocument(doc);
    ASSERT_EQ(bytes.size(), 124u);
    EXPECT_EQ(bytes, expected);

    ASSERT_TRUE(Succeeded(DeserializeDocument(bytes, loaded)));
    EXPECT_EQ(loaded.m_strBohrung, "A");
    EXPECT_EQ(loaded.m_fWasserdichte, 1000.0f);
    EXPECT_EQ(loaded.m_nFluid, 1);
    EXPECT_EQ(loaded.m_Messwerte, doc.m_Messwerte);
}

TEST_F(DocumentFileLayout, EveryFieldHasItsOwnOffset)
{
    // Give every stored number a distinct value and look for it at its offset.
    for (int i = 0; i < 19; ++i)
        doc.*keldo::kDocumentFileFloats[i] = 1.5f + static_cast<float>(i);
    doc.m_nFluid = -2;
    doc.m_fKontaktwinkel = 33.25f;
    doc.m_strBohrung = "";

    const std::string bytes = SerializeDocument(doc);
    ASSERT_EQ(bytes.size(), 1u + 84u + 2u);
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(bytes.substr(1 + 4 * i, 4), Le32(std::bit_cast<uint32_t>(1.5f + static_cast<float>(i))))
            << "field " << i;
    EXPECT_EQ(bytes.substr(1 + 76, 4), std::string("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(bytes.substr(1 + 80, 4), Le32(std::bit_cast<uint32_t>(33.25f)));

    ASSERT_TRUE(Succeeded(DeserializeDocument(bytes, loaded)));
    EXPECT_EQ(static_cast<const CKeldoInputs&>(loaded), static_cast<const CKeldoInputs&>(doc));
}

TEST_F(DocumentFileLayout, EmptyNameAndEmptyList)
{
    doc.m_strBohrung.clear();
    const std::string bytes = SerializeDocument(doc);
    EXPECT_EQ(bytes, std::string(1, '\0') + Zeros(84) + std::string(2, '\0'));

    loaded.m_Messwerte = {"old"};
    ASSERT_TRUE(Succeeded(DeserializeDocument(bytes, loaded)));
    EXPECT_EQ(loaded.m_strBohrung, "");
    EXPECT_TRUE(loaded.m_Messwerte.empty());
}

TEST_F(DocumentFileLayout, LengthPrefixes)
{
    struct Case {
        size_t length;
        std::string prefix;
    } cases[] = {
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {65533, "\xFF\xFD\xFF"},
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, std::string("\xFF\xFF\xFF", 3) + Le32(70000)},
    };
    for (const auto& c : cases) {
        doc.m_strBohrung = std::string(c.length, 'x');
        const std::string bytes = SerializeDocument(doc);
        EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(bytes.size(), c.prefix.size() + c.length + 86) << c.length;
        ASSERT_TRUE(Succeeded(DeserializeDocument(bytes, loaded)));
        EXPECT_EQ(loaded.m_strBohrung, doc.m_strBohrung) << c.length;
        EXPECT_EQ(SerializeDocument(loaded), bytes) << c.length;
    }
}

TEST_F(DocumentFileLayout, LongFormsOfShortLengthsAreRead)
{
    // Other writers may use a wider form than needed; the value counts.
    const std::string bytes = std::string("\xFF\x02\x00", 3) + "AB" + kZeroBlock + "\xFF\xFF" + Le32(1)
        + std::string("\xFF\xFF\xFF", 3) + Le32(3) + "xyz";
    ASSERT_TRUE(Succeeded(DeserializeDocument(bytes, loaded)));
    EXPECT_EQ(loaded.m_strBohrung, "AB");
    ASSERT_EQ(loaded.m_Messwerte.size(), 1u);
    EXPECT_EQ(loaded.m_Messwerte[0], "xyz");
}

TEST_F(DocumentFileLayout, CountFormFromFFFFOn)
{
    doc.m_Messwerte.assign(0xFFFE, "1");
    std::string bytes = SerializeDocument(doc);
    EXPECT_EQ(bytes.substr(1 + 16 + 84, 2), "\xFE\xFF");

    doc.m_Messwerte.assign(0xFFFF, "1");
    bytes = SerializeDocument(doc);
    const size_t countAt = 1 + 16 + 84;
    EXPECT_EQ(bytes.substr(countAt, 6), std::string("\xFF\xFF\xFF\xFF\x00\x00", 6));
    EXPECT_EQ(bytes.size(), countAt + 6 + 2u * 0xFFFF);
    ASSERT_TRUE(Succeeded(DeserializeDocument(bytes, loaded)));
    EXPECT_EQ(loaded.m_Messwerte.size(), 0xFFFFu);
    EXPECT_EQ(SerializeDocument(loaded), bytes);
}

TEST_F(DocumentFileLayout, Utf16StringsAreReadAndSavedInTheCodePage)
{
    // "Bö€Ω" + U+1F600 (a surrogate pair) + a lone high surrogate.
    const std::string name = std::string("\xFF\xFE\xFF", 3) + "\x07"
        + std::string("B\x00\xF6\x00\xAC\x20\xA9\x03\x3D\xD8\x00\xDE\x00\xD8", 14);
    const std::string line = MeasurementLine(1500, 0.1, 0.25);
    std::string line16;
    for (char c : line)
        line16 += std::string{c, '\0'};
    // The UTF-16 length prefix may itself be long: 0xFF 0xFFFE 0xFF 0x0023.
    const std::string bytes = name + kZeroBlock + Le16(1) + std::string("\xFF\xFE\xFF\xFF\x23\x00", 6) + line16;

    ASSERT_TRUE(Succeeded(DeserializeDocument(bytes, loaded)));
    EXPECT_EQ(loaded.m_strBohrung, "Bö€Ω\U0001F600\uFFFD");
    ASSERT_EQ(loaded.m_Messwerte.size(), 1u);
    EXPECT_EQ(loaded.m_Messwerte[0], line);

    // Saving writes the one-byte form; what Windows-1252 lacks becomes '?'.
    const std::string saved = SerializeDocument(loaded);
    EXPECT_EQ(saved,
        std::string("\x06"
                    "B\xF6\x80???",
            7)
            + kZeroBlock + Le16(1) + "\x23" + line);
}

TEST_F(DocumentFileLayout, CodePageBytesRoundTrip)
{
    // Every byte value in the well name, the five unassigned ones included.
    std::string name;
    for (int b = 1; b < 256; ++b)
        name += static_cast<char>(b);
    const std::string bytes = std::string("\xFF\xFF\x00", 3) + name + kZeroBlock + Le16(1) + "\x02\xE4\x80";
    ASSERT_TRUE(Succeeded(DeserializeDocument(bytes, loaded)));
    EXPECT_EQ(loaded.m_Messwerte[0], "ä€");
    EXPECT_EQ(loaded.m_strBohrung.substr(0, 127), name.substr(0, 127));
    EXPECT_EQ(SerializeDocument(loaded), bytes);
}

TEST_F(DocumentFileLayout, NonFiniteNumbersLoadBitForBit)
{
    const uint32_t quietNanWithPayload = 0x7FC01234;
    std::string block = kZeroBlock;
    block.replace(0, 4, Le32(quietNanWithPayload));
    block.replace(36, 4, Le32(std::bit_cast<uint32_t>(std::numeric_limits<float>::infinity())));
    block.replace(76, 4, Le32(7)); // no fluid 7 exists; the dialog has the say
    const std::string bytes = std::string("\x01Z", 2) + block + Le16(0);

    ASSERT_TRUE(Succeeded(DeserializeDocument(bytes, loaded)));
    EXPECT_TRUE(std::isnan(loaded.m_fTemperatur));
    EXPECT_TRUE(std::isinf(loaded.m_fPcMax));
    EXPECT_EQ(loaded.m_nFluid, 7);
    EXPECT_EQ(SerializeDocument(loaded), bytes);
}

TEST_F(DocumentFileLayout, TrailingBytesAreIgnored)
{
    doc.m_Messwerte = {MeasurementLine(2500, 0.2, 0.3)};
    const std::string bytes = SerializeDocument(doc);
    ASSERT_TRUE(Succeeded(DeserializeDocument(bytes + "garbage", loaded)));
    EXPECT_EQ(SerializeDocument(loaded), bytes);
}

TEST_F(DocumentFileLayout, ReadingTouchesOnlyStoredFields)
{
    doc.m_strBohrung = "Z-7";
    doc.m_Messwerte = {MeasurementLine(2500, 0.2, 0.3), MeasurementLine(2501, 0.21, 0.31)};
    loaded.m_nModus = 1;
    loaded.m_fCutoff = 0.1f;
    loaded.m_Messwerte = {"a", "b", "c"};
    loaded.m_Ergebnisse = {"report"};
    loaded.m_MaxWerte = 12;
    ASSERT_TRUE(Succeeded(DeserializeDocument(SerializeDocument(doc), loaded)));
    EXPECT_EQ(loaded.m_nModus, 1);
    EXPECT_EQ(loaded.m_fCutoff, 0.1f);
    EXPECT_EQ(loaded.m_Messwerte, doc.m_Messwerte);
    EXPECT_EQ(loaded.m_Ergebnisse, std::vector<std::string>{"report"});
    EXPECT_EQ(loaded.m_MaxWerte, 12);
}
