#include "DocumentFileCheck.h"

#include <bit>
#include <cstdint>

#include "AllocationCounter.h"
#include "CodePage.h"
#include "DocumentFile.h"
#include "KeldoDoc.h"
#include "ReferenceArchive.h"
#include "TextFormat.h"

namespace keldo::fuzz {
namespace {

// Reading the document must never speak to the user.
class SilentMessageBox : public IMessageBox {
public:
    void Show(const std::string&) override { ++count; }
    bool AskYesNo(const std::string&) override
    {
        ++count;
        return true;
    }
    int count = 0;
};

// Memory a read may ask for, per byte of input and in all: the list of lines
// costs one string object per line (32 bytes for a line of one byte), the
// text of a line up to three bytes of UTF-8 per byte, and a failed read
// names the field in its message.
constexpr size_t kBytesPerInputByte = 96;
constexpr size_t kFixedAllowance = 64 * 1024;

static_assert(std::size(kDocumentFileFloats) == std::tuple_size_v<decltype(ReferenceDocument::floatsBeforeFluid)>);

// A document with something in every place a read could wrongly keep or
// wrongly overwrite.
void MakeUsedDocument(CKeldoDoc& doc)
{
    doc.OnNewDocument();
    doc.SetPathName("/daten/alt.kld");
    doc.m_strBohrung = "Alte Bohrung";
    float v = 1.5f;
    for (auto member : kDocumentFileFloats)
        doc.*member = v++;
    doc.m_fKontaktwinkel = 33;
    doc.m_nFluid = 1;
    doc.m_nModus = 1;
    doc.m_bDetail = 1;
    doc.m_bDruckabhaengig = 0;
    doc.m_fMinTeufe = 1000;
    doc.m_fMaxTeufe = 2000;
    doc.m_fCutoff = 0.1f;
    doc.m_bWarnungen = 1;
    doc.m_Messwerte = {"  1000.000      0.20000     0.30000"};
    doc.m_Ergebnisse = {"alte Ergebniszeile"};
    doc.m_Kontakte = {"alte Kontaktzeile"};
    doc.SetModifiedFlag(true);
}

bool SameFileFields(const CKeldoDoc& a, const CKeldoDoc& b)
{
    for (auto member : kDocumentFileFloats)
        if (std::bit_cast<uint32_t>(a.*member) != std::bit_cast<uint32_t>(b.*member))
            return false;
    return a.m_strBohrung == b.m_strBohrung && a.m_nFluid == b.m_nFluid
        && std::bit_cast<uint32_t>(a.m_fKontaktwinkel) == std::bit_cast<uint32_t>(b.m_fKontaktwinkel)
        && a.m_Messwerte == b.m_Messwerte;
}

// The program's text of a Windows-1252 string holds one character per byte,
// ASCII unchanged.
bool IsTextOf(const std::string& utf8, const std::string& raw)
{
    if (Utf8ToCp1252(utf8) != raw)
        return false;
    size_t characters = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    return characters == raw.size();
}

void CheckAgainstReference(const CKeldoDoc& doc, const ReferenceDocument& ref, Violations& found)
{
    auto text = [](const ReferenceString& s) { return s.utf16 ? s.utf8 : std::string(); };
    if (ref.name.utf16 ? doc.m_strBohrung != text(ref.name) : !IsTextOf(doc.m_strBohrung, ref.name.raw))
        found.push_back("the well name differs from the stored one");
    for (size_t i = 0; i < std::size(kDocumentFileFloats); ++i)
        if (std::bit_cast<uint32_t>(doc.*kDocumentFileFloats[i]) != ref.floatsBeforeFluid[i])
            found.push_back(Format("number %zu of the fixed block differs from the stored bits", i + 1));
    if (doc.m_nFluid != ref.fluid)
        found.push_back("the fluid differs from the stored integer");
    if (std::bit_cast<uint32_t>(doc.m_fKontaktwinkel) != ref.contactAngleBits)
        found.push_back("the contact angle differs from the stored bits");
    if (doc.m_Messwerte.size() != ref.lines.size()) {
        found.push_back(Format("%zu measurement lines read, %zu stored", doc.m_Messwerte.size(), ref.lines.size()));
        return;
    }
    for (size_t i = 0; i < ref.lines.size(); ++i) {
        const auto& r = ref.lines[i];
        if (r.utf16 ? doc.m_Messwerte[i] != r.utf8 : !IsTextOf(doc.m_Messwerte[i], r.raw))
            found.push_back(Format("measurement line %zu differs from the stored one", i + 1));
    }
}

// Results and "Mit Warnungen" stay, whatever the read gives.
void CheckResultsKept(const CKeldoDoc& doc, const CKeldoDoc& before, Violations& found)
{
    if (doc.m_Ergebnisse != before.m_Ergebnisse || doc.m_Kontakte != before.m_Kontakte)
        found.push_back("reading touched the results");
    if (doc.m_bWarnungen != before.m_bWarnungen)
        found.push_back("reading changed \"Mit Warnungen\"");
}

// After a successful read the inputs the file does not hold keep their values
// (setting the values after loading is the caller's step).
void CheckOtherInputsKept(const CKeldoDoc& doc, const CKeldoDoc& before, Violations& found)
{
    if (doc.m_nModus != before.m_nModus || doc.m_bDetail != before.m_bDetail
        || doc.m_bDruckabhaengig != before.m_bDruckabhaengig || doc.m_fMinTeufe != before.m_fMinTeufe
        || doc.m_fMaxTeufe != before.m_fMaxTeufe || doc.m_fCutoff != before.m_fCutoff)
        found.push_back("an input the file does not hold was changed by reading");
}

void CheckRoundTrip(const CKeldoDoc& doc, std::string_view bytes, const ReferenceDocument& ref, Violations& found)
{
    const std::string written = SerializeDocument(doc);
    if (ref.canonical && written != bytes.substr(0, ref.consumed))
        found.push_back(Format(
            "the document is written as %zu bytes that differ from the %zu bytes read", written.size(), ref.consumed));

    SilentMessageBox messages;
    CKeldoDoc again(messages);
    if (const FileResult read = DeserializeDocument(written, again); !read) {
        found.push_back("the written document does not read back: " + read.Message());
        return;
    }
    if (SerializeDocument(again) != written)
        found.push_back("writing the document read back gives other bytes");
    if (!ref.anyUtf16 && !SameFileFields(again, doc))
        found.push_back("the document read back differs from the one written");
}

} // namespace

Violations CheckDocumentFile(std::string_view bytes)
{
    Violations found;
    const ReferenceDocument ref = ReadReferenceDocument(bytes);

    SilentMessageBox messages;
    CKeldoDoc doc(messages);
    MakeUsedDocument(doc);
    CKeldoDoc before(messages);
    MakeUsedDocument(before);

    std::string error;
    bool ok = false;
    size_t asked = 0;
    {
        AllocationScope scope;
        const FileResult read = DeserializeDocument(bytes, doc);
        ok = read.Succeeded();
        error = read.Message();
        asked = scope.TotalBytes();
    }
    if (asked > kBytesPerInputByte * bytes.size() + kFixedAllowance)
        found.push_back(Format("reading %zu bytes asked for %zu bytes of memory", bytes.size(), asked));
    if (messages.count != 0)
        found.push_back("reading showed a message box");
    if (ok != ref.complete)
        found.push_back(ok ? "the read succeeded although fields are missing"
                           : "the read failed although every field is there: " + error);
    CheckResultsKept(doc, before, found);

    if (!ok) {
        if (error.empty())
            found.push_back("a failed read gives no reason");
        if (!(static_cast<const CKeldoInputs&>(doc) == static_cast<const CKeldoInputs&>(before))
            || doc.m_Messwerte != before.m_Messwerte)
            found.push_back("a failed read changed the inputs or the measurements");
        if (doc.IsModified() != before.IsModified() || doc.GetPathName() != before.GetPathName())
            found.push_back("a failed read changed the modified mark or the file name");
        return found;
    }
    CheckOtherInputsKept(doc, before, found);
    if (ref.complete)
        CheckAgainstReference(doc, ref, found);
    CheckRoundTrip(doc, bytes, ref, found);
    return found;
}

} // namespace keldo::fuzz
