#pragma once
#include <string>
#include <string_view>

#include "FileResult.h"
#include "KeldoDoc.h"

// The document file (".kld"): the well name, 21 numbers in a fixed order and
// the measurement lines, in the binary archive layout of the Windows program,
// so that files pass both ways between the two. Results are never stored.
namespace keldo {

// The numbers of the fixed block after the well name, in file order (this is
// neither the order of the members nor that of the dialog); the fluid, the
// one integer, and the contact angle follow them.
inline constexpr float CKeldoInputs::*kDocumentFileFloats[] = {
    &CKeldoInputs::m_fTemperatur,
    &CKeldoInputs::m_fSwmin0,
    &CKeldoInputs::m_fSwmin1,
    &CKeldoInputs::m_fInitialdruck,
    &CKeldoInputs::m_fPhiK0,
    &CKeldoInputs::m_fPhiK1,
    &CKeldoInputs::m_fPhiK2,
    &CKeldoInputs::m_fPcsperr0,
    &CKeldoInputs::m_fPcsperr1,
    &CKeldoInputs::m_fPcMax,
    &CKeldoInputs::m_fKontakt,
    &CKeldoInputs::m_fDichteKW,
    &CKeldoInputs::m_fWasserdichte,
    &CKeldoInputs::m_fBeta0,
    &CKeldoInputs::m_fBeta1,
    &CKeldoInputs::m_fAlfa0,
    &CKeldoInputs::m_fAlfa1,
    &CKeldoInputs::m_fAlfa2,
    &CKeldoInputs::m_fAlfa3,
};

// Reads a ".kld" document file into `doc`, then sets the values that the file
// does not hold (doc.SetValuesAfterLoading()), the path and title
// (doc.SetPathName(path)) and clears the modified mark. Does not open the
// input dialog: the caller does, through doc.OnDataChange().
// The whole file is read before anything is taken over, so on failure `doc`
// is exactly as it was (inputs, measurements, title, modified mark) and the
// result holds a German message naming the file and the reason. Results are
// never touched.
FileResult LoadDocument(const std::string& path, CKeldoDoc& doc);

// LoadDocument for the bytes of the file at `path`, read before (a study of
// many wells reads its model document once and loads every well's copy
// from the bytes).
FileResult LoadDocumentBytes(std::string_view bytes, const std::string& path, CKeldoDoc& doc);

// Writes the document file. A failure never destroys the previous file: the
// bytes go to a temporary file in the same folder, which replaces the target
// only once it is completely on the disk. On failure the result holds a
// German message naming the file and the reason. Clearing the modified mark
// after success is the caller's part.
FileResult SaveDocument(const std::string& path, const CKeldoDoc& doc);

// The file's bytes for `doc`. Text is written in Windows-1252.
std::string SerializeDocument(const CKeldoDoc& doc);

// Reads the fields from `bytes` into the inputs and measurements of `doc`
// (only that: no values after loading, no title, no modified mark). Bytes after
// the last field are ignored, as the Windows program's archive ignores them.
// On failure `doc` is untouched and the result's message says what is wrong
// with the bytes (without a file name).
FileResult DeserializeDocument(std::string_view bytes, CKeldoDoc& doc);

} // namespace keldo
