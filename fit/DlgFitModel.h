#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "ContactFit.h"
#include "DecimalEdit.h"
#include "DocumentFits.h"
#include "InputFields.h"
#include "KeldoInputs.h"
#include "MessageBox.h"
#include "PhiKFit.h"
#include "PhiKSamples.h"

class CChartView;
class DlgFitModelPcTab;
class DlgFitModelPressure;
class DlgLasImport;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Modell anpassen": fits the Phi-K relation (tab "Phi-K"), the contact
// (tab "Kontakt") and the capillary-pressure model (tab "Kapillardruck",
// DlgFitModelPcTab) to the data, shows the numbers and the graph of each fit,
// and on "Übernehmen" ends with the fitted values for the caller to write
// into the document. The tab "Druck" gives the free-water level from
// formation pressures; "Übernehmen" on that tab takes it as the contact. The dialog works on a copy of the document's inputs and
// measurement lines: nothing it does reaches the document by itself.
//
//   DlgFitModel dlg(doc, doc.m_Messwerte, messages, parent);
//   if (dlg.exec() == QDialog::Accepted)
//       takeOver(dlg.Fitted());
class DlgFitModel : public QDialog {
    Q_OBJECT
public:
    // Returns the chosen file (UTF-8 path), empty when the user cancelled.
    using FileChooser = std::function<std::string(QWidget* parent)>;
    // Runs the opened LAS import; true when it ended with OK.
    using LasImportRunner = std::function<bool(DlgLasImport& las)>;

    DlgFitModel(const CKeldoInputs& inputs, const std::vector<std::string>& lines, keldo::IMessageBox& messages,
        QWidget* parent = nullptr);
    ~DlgFitModel() override;

    // Replace the open-file dialogs and the modal LAS import (tests, automation).
    void SetLasFileChooser(FileChooser chooser) { m_chooseLas = std::move(chooser); }
    void SetCoreFileChooser(FileChooser chooser) { m_chooseCore = std::move(chooser); }
    void SetLasImportRunner(LasImportRunner runner) { m_runLasImport = std::move(runner); }
    // The lines' depths are below sea level (the document's
    // m_depthsBelowSeaLevel): the contact graph says TVDSS.
    void SetDepthsBelowSeaLevel(bool below) { m_depthsBelowSeaLevel = below; }

    // The Phi-K pairs from a LAS file through the LAS import with its
    // permeability chooser, or from a core table. False after one message;
    // the pairs chosen before then stay.
    bool ReadLasPairs(const std::string& lasFile);
    bool ReadCorePairs(const std::string& coreFile);

    // "Anpassen" of each tab. A fit that cannot be made says why in one
    // message and leaves the fit shown before in place.
    void OnFitPhiK();
    void OnFitContact();
    void OnTakeOver();

    // What "Übernehmen" hands over: the fits made, as the document takes them.
    const keldo::FittedValues& Fitted() const { return m_fitted; }
    const std::optional<keldo::PhiKFitResult>& PhiKResult() const { return m_phiK; }
    const std::optional<keldo::ContactFitResult>& ContactResult() const { return m_contact; }
    // "Kerntabelle F" or "LAS-Datei F, Kurve M (mD)"; empty before a choice.
    const std::string& PairSource() const { return m_source; }

    // The controls, for the keyboard and for tests.
    QTabWidget* Tabs() const { return m_tabs; }
    QPushButton* LasButton() const { return m_lasButton; }
    QPushButton* CoreButton() const { return m_coreButton; }
    QRadioButton* OrderButton(int order) const { return order == 1 ? m_order1 : m_order2; }
    QPushButton* FitPhiKButton() const { return m_fitPhiK; }
    QPlainTextEdit* PhiKNumbers() const { return m_phiKNumbers; }
    CChartView* PhiKChart() const { return m_phiKChart; }
    QLineEdit* RangeFromField() const { return m_rangeFrom; }
    QLineEdit* RangeToField() const { return m_rangeTo; }
    QPushButton* FitContactButton() const { return m_fitContact; }
    QPlainTextEdit* ContactNumbers() const { return m_contactNumbers; }
    CChartView* ContactChart() const { return m_contactChart; }
    DlgFitModelPcTab* PcTab() const { return m_pcTab; }
    QPushButton* TakeOverButton() const { return m_takeOver; }
    QPushButton* CloseButton() const { return m_close; }
    DlgFitModelPressure* PressurePage() const { return m_pressure; }

private:
    void CreateControls();
    QWidget* CreatePhiKPage();
    QWidget* CreateContactPage();
    void AddChartMenu(CChartView* chart);
    // "Anpassen" of the tab shown is the default button (Enter).
    void OnTabChanged(int index);
    void ShowContactBasis();
    void ShowPhiKSource();
    bool ReadRange(std::optional<keldo::ContactRange>& range);
    // The inputs the contact fit runs with: the document's, with the Phi-K
    // relation and the capillary-pressure model fitted here once there are.
    CKeldoInputs ContactFitInputs() const;
    void UpdateTakeOver();
    // A contact fitted with the model before no longer belongs to it.
    void ForgetContact(const QString& why);

    CKeldoInputs m_inputs;
    std::vector<std::string> m_lines;
    bool m_depthsBelowSeaLevel = false;
    keldo::IMessageBox& m_messages;
    FileChooser m_chooseLas;
    FileChooser m_chooseCore;
    LasImportRunner m_runLasImport;

    std::vector<keldo::PhiKSample> m_samples;
    std::string m_source;
    std::optional<keldo::PhiKFitResult> m_phiK;
    std::optional<keldo::ContactFitResult> m_contact;
    keldo::FittedValues m_fitted;
    // What the range fields showed when they were filled, so that a range the
    // user did not touch is read back to the bit.
    keldo::ShownNumber m_shownFrom, m_shownTo;

    QTabWidget* m_tabs = nullptr;
    QLabel* m_sourceText = nullptr;
    QPushButton* m_lasButton = nullptr;
    QPushButton* m_coreButton = nullptr;
    QRadioButton* m_order1 = nullptr;
    QRadioButton* m_order2 = nullptr;
    QPushButton* m_fitPhiK = nullptr;
    QPlainTextEdit* m_phiKNumbers = nullptr;
    CChartView* m_phiKChart = nullptr;
    QLabel* m_contactBasis = nullptr;
    CDecimalEdit* m_rangeFrom = nullptr;
    CDecimalEdit* m_rangeTo = nullptr;
    QPushButton* m_fitContact = nullptr;
    QPlainTextEdit* m_contactNumbers = nullptr;
    CChartView* m_contactChart = nullptr;
    DlgFitModelPcTab* m_pcTab = nullptr;
    QPushButton* m_takeOver = nullptr;
    QPushButton* m_close = nullptr;
    DlgFitModelPressure* m_pressure = nullptr;
};
