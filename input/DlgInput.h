#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QDialog>
#include <QRect>

#include "ControlIds.h"
#include "InputFields.h"
#include "KeldoInputs.h"
#include "MessageBox.h"

class QButtonGroup;
class QListView;
class MeasurementListModel;

// The input dialog (template 130): every input of a computation and the list
// of measurements. The inputs are members of the same names as in the
// document (inherited from CKeldoInputs). Controls carry their resource id
// (keldo::ControlId) as object name ("1033") and in the property "controlId".
class DlgInput : public QDialog, public CKeldoInputs {
    Q_OBJECT
public:
    // Returns the chosen file (UTF-8 path) or an empty string when the user
    // cancelled.
    using FileChooser = std::function<std::string(QWidget* parent)>;

    explicit DlgInput(keldo::IMessageBox& messages, QWidget* pParent = nullptr);
    ~DlgInput() override;

    // Copies the document's values into the members / the members out again.
    void SetValues(const CDlgInputValues& values);
    void GetValues(CDlgInputValues& values) const;

    // OnInitDialog, then the modal loop; QDialog::Accepted after an accepted OK.
    int DoModal();

    // Replaces the open-file dialog of "Datei lesen" (tests, automation).
    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    // The control with resource id `id`, or nullptr.
    QWidget* GetDlgItem(keldo::ControlId id) const;

    bool OnInitDialog();
    // true: controls → members (false and a message when a number field does
    // not hold a number; the members then stay as they were);
    // false: members → controls.
    bool UpdateData(bool bSaveAndValidate = true);
    void SetFluidLabels(bool afterClick);
    void OnFluidRadio();
    void OnDefaultWerte();
    void OnOkButton();
    int CheckInputs();
    // "Datei lesen": a measurement text file after the order question, a LAS
    // file (by its name or its first line) through the LAS import.
    void FileOpen();
    void OnAlleWerte();

    QListView* m_ListMesswerte = nullptr;
    std::string m_strAnzahl;
    int m_bWarnungen = 0;
    std::string m_strKontaktText;
    std::string m_strDichteText;
    std::string m_strKontaktModus;
    std::vector<std::string> m_Messwerte;
    bool m_depthsBelowSeaLevel = false; // the lines came from a LAS import below sea level
    std::vector<double> m_shaleVolumes;  // Vsh of the lines from the LAS import's "Tonanteil"; empty: none

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A new font moves every control to its place in the new dialog units.
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    // Sizes the dialog and places every control from its template rectangle
    // in the dialog units of the current font.
    void LayoutControls();
    template <class T> T* Control(keldo::ControlId id) const;
    void RefreshList();
    // The LAS import of `path`; on OK its lines replace the list as a text
    // import does, and its well name fills an empty "Bohrung".
    void ImportLasFile(const std::string& path);

    keldo::IMessageBox& m_messages;
    FileChooser m_chooseFile;
    std::map<keldo::ControlId, QWidget*> m_controls;
    // Every control with its rectangle in dialog units.
    std::vector<std::pair<QWidget*, QRect>> m_templateRects;
    // What each number field was last given, in the order of NumberFields.
    std::vector<keldo::ShownNumber> m_shownNumbers;
    QButtonGroup* m_fluidGroup = nullptr;
    QButtonGroup* m_modusGroup = nullptr;
    MeasurementListModel* m_listModel = nullptr;
};

// Runs the input dialog modally on `values` and writes the accepted values
// back on OK (true). On cancel `values` stays as it was.
bool RunDlgInput(QWidget* parent, CDlgInputValues& values, keldo::IMessageBox& messages);
