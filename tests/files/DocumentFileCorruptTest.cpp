#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "DocumentFile.h"
#include "FileResultCheck.h"
#include "RecordingMessageBox.h"
#include "TextFormat.h"

// Every allocation of this test program passes here, so that a test can see
// the largest single allocation made while it reads a corrupt file.
namespace {
std::atomic<bool> g_watchAllocations{false};
std::atomic<size_t> g_largestAllocation{0};
} // namespace

void* operator new(std::size_t size)
{
    if (g_watchAllocations.load(std::memory_order_relaxed)) {
        size_t seen = g_largestAllocation.load(std::memory_order_relaxed);
        while (size > seen && !g_largestAllocation.compare_exchange_weak(seen, size)) {}
    }
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
// Kept out of line: inlined into callers, the compiler would mistake the
// malloc/free pair behind new/delete for a mismatch.
__attribute__((noinline)) void operator delete(void* p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept { std::free(p); }

using keldo::DeserializeDocument;
using keldo::SerializeDocument;

namespace {

std::string Le32(uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

// A document whose state differs from a new one in every respect, all of
// which a failed read must keep.
void MakeDirty(CKeldoDoc& doc)
{
    doc.m_strBohrung = "alt";
    doc.m_fKontakt = 2600;
    doc.m_nFluid = 1;
    doc.m_fCutoff = 0.2f;
    doc.m_Messwerte = {"1 2 3"};
    doc.m_Ergebnisse = {"Ergebnis"};
    doc.SetPathName("/tmp/alt.kld");
    doc.SetModifiedFlag(true);
}

void ExpectDirtyDocumentKept(const CKeldoDoc& doc)
{
    EXPECT_EQ(doc.m_strBohrung, "alt");
    EXPECT_EQ(doc.m_fKontakt, 2600.0f);
    EXPECT_EQ(doc.m_nFluid, 1);
    EXPECT_EQ(doc.m_fCutoff, 0.2f);
    EXPECT_EQ(doc.m_Messwerte, std::vector<std::string>{"1 2 3"});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "/tmp/alt.kld");
    EXPECT_EQ(doc.m_Ergebnisse, std::vector<std::string>{"Ergebnis"});
}

// Reads `bytes` while watching allocations; returns the largest one.
size_t LargestAllocationWhileReading(const std::string& bytes, CKeldoDoc& doc, std::string& error, bool& ok)
{
    g_largestAllocation = 0;
    g_watchAllocations = true;
    {
        const keldo::FileResult read = DeserializeDocument(bytes, doc);
        ok = read.Succeeded();
        error = read.Message();
    }
    g_watchAllocations = false;
    return g_largestAllocation;
}

} // namespace

TEST(DocumentFileCorrupt, TruncationAtEveryOffsetFailsCleanly)
{
    RecordingMessageBox box;
    CKeldoDoc source(box);
    source.OnNewDocument();
    source.m_strBohrung = "Brunnen Ä-1";
    source.m_fWasserdichte = 1070;
    source.m_Messwerte = {keldo::Format("%10.3f   %10.5f  %10.5f", 2500.0, 0.2, 0.3),
        keldo::Format("%10.3f   %10.5f  %10.5f", 2501.0, 0.21, 0.31)};
    const std::string bytes = SerializeDocument(source);

    for (size_t length = 0; length < bytes.size(); ++length) {
        CKeldoDoc doc(box);
        MakeDirty(doc);
        const keldo::FileResult read = DeserializeDocument(std::string_view(bytes).substr(0, length), doc);
        ASSERT_FALSE(read) << length;
        EXPECT_FALSE(read.Message().empty()) << length;
        ExpectDirtyDocumentKept(doc);
    }
    EXPECT_TRUE(box.shown.empty()); // errors go back to the caller, not into boxes
}

TEST(DocumentFileCorrupt, ErrorTextsSayWhatIsWrong)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    const struct {
        std::string bytes;
        const char* error;
    } cases[] = {
        {"", "Die Datei ist leer."},
        {"\x05"
         "AB",
            "Die Datei ist beschädigt: die Länge des Namens der Bohrung (5 Zeichen) ist größer "
            "als der Rest der Datei (2 Bytes)."},
        {std::string("\x01"
                     "A",
             2) + std::string(10, '\0'),
            "Die Datei ist unvollständig: sie endet nach 12 Bytes beim Lesen der Eingabewerte."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FailureMessage(DeserializeDocument(c.bytes, doc)), c.error);
}

TEST(DocumentFileCorrupt, HugeClaimsAllocateNothingHuge)
{
    RecordingMessageBox box;
    const std::string block(84, '\0');
    struct Case {
        const char* what;
        std::string bytes;
        const char* errorPart;
    } cases[] = {
        {"name of 4 GB", std::string("\xFF\xFF\xFF\xFE\xFF\xFF\xFF", 7) + "abc", "Namens der Bohrung"},
        {"UTF-16 name of 4 G characters", std::string("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 10) + "abc",
            "Namens der Bohrung"},
        {"a billion lines", std::string("\x00", 1) + block + "\xFF\xFF" + Le32(1000000000) + "\x01x",
            "Anzahl der Messwertzeilen (1000000000)"},
        {"65000 lines in 4 bytes", std::string("\x00", 1) + block + "\xE8\xFD" + "\x01x\x01y",
            "Anzahl der Messwertzeilen (65000)"},
        {"second line of 2 GB",
            std::string("\x00", 1) + block + std::string("\x02\x00\x01x\xFF\xFF\xFF", 7) + Le32(0x7FFFFFFF),
            "Messwertzeile 2"},
    };
    for (const auto& c : cases) {
        CKeldoDoc doc(box);
        MakeDirty(doc);
        std::string error;
        bool ok = true;
        const size_t largest = LargestAllocationWhileReading(c.bytes, doc, error, ok);
        EXPECT_FALSE(ok) << c.what;
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.what << ": " << error;
        EXPECT_LT(largest, 4096u) << c.what;
        ExpectDirtyDocumentKept(doc);
    }
}
