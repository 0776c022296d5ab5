#include "DocumentFile.h"

#include <cstdint>

#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "FileAccess.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// Every string needs at least its one-byte length prefix.
constexpr size_t kMinStringSize = 1;

const std::string kFieldName = "des Namens der Bohrung";
const std::string kFieldBlock = "der Eingabewerte";
const std::string kFieldLines = "der Messwertzeilen";

// Reads every field into `inputs` and `lines` without touching the document,
// so that a failure part-way leaves nothing half-loaded behind.
bool ReadFields(ArchiveReader& in, CKeldoInputs& inputs, CKeldoDoc::StringArray& lines)
{
    if (!in.ReadString(inputs.m_strBohrung, kFieldName))
        return false;
    for (auto member : kDocumentFileFloats)
        if (!in.ReadFloat(inputs.*member, kFieldBlock))
            return false;
    int32_t fluid = 0;
    if (!in.ReadInt32(fluid, kFieldBlock) || !in.ReadFloat(inputs.m_fKontaktwinkel, kFieldBlock))
        return false;
    inputs.m_nFluid = fluid;
    uint32_t count = 0;
    if (!in.ReadCount(count, kMinStringSize, kFieldLines))
        return false;
    lines.clear();
    lines.reserve(count); // bounded by the bytes left, checked by ReadCount
    for (uint32_t i = 0; i < count; ++i) {
        lines.emplace_back();
        if (!in.ReadString(lines.back(), Format("der Messwertzeile %u", i + 1)))
            return false;
    }
    return true;
}

} // namespace

std::string SerializeDocument(const CKeldoDoc& doc)
{
    ArchiveWriter out;
    out.WriteString(doc.m_strBohrung);
    for (auto member : kDocumentFileFloats)
        out.WriteFloat(doc.*member);
    out.WriteInt32(doc.m_nFluid);
    out.WriteFloat(doc.m_fKontaktwinkel);
    out.WriteCount(static_cast<uint32_t>(doc.m_Messwerte.size()));
    for (const auto& line : doc.m_Messwerte)
        out.WriteString(line);
    return out.Take();
}

FileResult DeserializeDocument(std::string_view bytes, CKeldoDoc& doc)
{
    if (bytes.empty())
        return FileResult::Failure("Die Datei ist leer.");
    ArchiveReader in(bytes);
    CKeldoInputs inputs = doc; // members the file does not hold keep their values
    CKeldoDoc::StringArray lines;
    if (!ReadFields(in, inputs, lines))
        return FileResult::Failure(in.Error());
    static_cast<CKeldoInputs&>(doc) = inputs;
    doc.m_Messwerte = std::move(lines);
    doc.m_depthsBelowSeaLevel = false;
    doc.m_shaleVolumes.clear();
    return FileResult::Success();
}

namespace {

FileResult CannotOpen(const std::string& path, const std::string& reason)
{
    return FileResult::Failure(
        Format("Das Dokument \"%s\" kann nicht geöffnet werden.\n%s", path.c_str(), reason.c_str()));
}

} // namespace

FileResult LoadDocument(const std::string& path, CKeldoDoc& doc)
{
    std::string bytes;
    int err = 0;
    if (!ReadWholeFile(path, bytes, err))
        return CannotOpen(path, SystemErrorReason(err));
    return LoadDocumentBytes(bytes, path, doc);
}

FileResult LoadDocumentBytes(std::string_view bytes, const std::string& path, CKeldoDoc& doc)
{
    if (FileResult read = DeserializeDocument(bytes, doc); !read)
        return CannotOpen(path, read.Message());
    doc.SetValuesAfterLoading();
    doc.SetPathName(path);
    doc.SetModifiedFlag(false);
    return FileResult::Success();
}

FileResult SaveDocument(const std::string& path, const CKeldoDoc& doc)
{
    int err = 0;
    if (ReplaceFile(path, SerializeDocument(doc), err))
        return FileResult::Success();
    return FileResult::Failure(
        Format("Das Dokument \"%s\" kann nicht gespeichert werden.\n%s", path.c_str(), SystemErrorReason(err).c_str()));
}

} // namespace keldo
