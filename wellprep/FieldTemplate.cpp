#include "FieldTemplate.h"

#include "DocumentFile.h"
#include "FileAccess.h"
#include "KeldoDoc.h"
#include "MessageLog.h"

namespace keldo {

bool LoadFieldTemplate(const std::string& path, FieldTemplate& model, std::string& error)
{
    MessageLog box; // loading shows nothing
    CKeldoDoc doc(box);
    int err = 0;
    // A file that cannot be read is tried once more as a document, for the
    // message such a document gets everywhere.
    const FileResult loaded
        = ReadWholeFile(path, model.bytes, err) ? LoadDocumentBytes(model.bytes, path, doc) : LoadDocument(path, doc);
    if (!loaded) {
        error = loaded.Message();
        return false;
    }
    model.path = path;
    model.title = doc.GetTitle();
    return true;
}

FieldTemplate TemplateOfDocument(const CKeldoDoc& doc)
{
    return {SerializeDocument(doc), doc.GetPathName(), doc.GetTitle()};
}

FileResult ApplyTemplate(const FieldTemplate& model, CKeldoDoc& doc)
{
    FileResult loaded = LoadDocumentBytes(model.bytes, model.path, doc);
    if (loaded && model.path.empty())
        doc.SetTitle(model.title);
    return loaded;
}

} // namespace keldo
