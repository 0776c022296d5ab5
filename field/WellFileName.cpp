#include "WellFileName.h"

#include "AsciiText.h"
#include "DocumentFile.h"
#include "KeldoDoc.h"
#include "KeldoInputs.h"
#include "LasLog.h"
#include "LasReader.h"

namespace keldo {

namespace {

// Loading a document only to read its name says nothing.
class SilentBox : public IMessageBox {
public:
    void Show(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
};

} // namespace

std::string WellNameOfFile(const std::string& path, bool document)
{
    if (document) {
        SilentBox silent;
        CKeldoDoc doc(silent);
        if (!LoadDocument(path, doc))
            return {};
        const std::string name(TrimBlanks(doc.m_strBohrung));
        return name == CKeldoInputs{}.m_strBohrung ? std::string() : name;
    }
    LasHeader header;
    WellDataError error;
    if (!ReadLasHeaderFile(path, header, error))
        return {};
    return std::string(TrimBlanks(WellName(header)));
}

} // namespace keldo
