#pragma once
#include <string>

#include "FileResult.h"

class CKeldoDoc;

namespace keldo {

// The model document of a study. A well given by a LAS file takes every
// model parameter from it: the well's document starts as a copy of the
// template, exactly as keldo-batch loads its document from the file. The
// template is read once and shared read-only between the wells.
struct FieldTemplate {
    std::string bytes; // the document file's bytes
    std::string path;  // the file it stands for; empty for an unsaved document
    std::string title; // the title of the copies when there is no path
};

// Reads the document file at `path` as the template. False with the
// message of an unreadable document in `error`.
bool LoadFieldTemplate(const std::string& path, FieldTemplate& model, std::string& error);

// The document as it would be saved now, as the template (the program's
// open document).
FieldTemplate TemplateOfDocument(const CKeldoDoc& doc);

// Gives `doc` the template's inputs and measurements, its path and title,
// and the values that loading a document sets. A failure when the bytes are
// not a document.
FileResult ApplyTemplate(const FieldTemplate& model, CKeldoDoc& doc);

} // namespace keldo
