#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "DocumentFits.h"
#include "InputFields.h"
#include "KeldoInputs.h"
#include "MessageBox.h"
#include "PcDocumentFit.h"
#include "PcTable.h"

class CChartView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The tab "Kapillardruck" of "Modell anpassen": the normalization of core
// capillary-pressure data. The user opens a file, chooses the samples that
// take part and may change their closure pressures, Pc max, the order of the
// alfa relation and the two-step set, and "Anpassen" shows the report and the
// three pages (curves, parameters, saturation-height curves). It makes the
// same call as keldo-batch --fit-pc: an untouched Pc max field is the file's
// own, as without --pc-max.
class DlgFitModelPcTab : public QWidget {
public:
    using FileChooser = std::function<std::string(QWidget* parent)>;

    DlgFitModelPcTab(const CKeldoInputs& inputs, keldo::IMessageBox& messages, QWidget* parent = nullptr);

    void SetFileChooser(FileChooser chooser) { m_choose = std::move(chooser); }
    // Called after each fit that succeeded, with what "Übernehmen" writes.
    void SetOnFitted(std::function<void(const keldo::FittedCapillaryModel&)> onFitted)
    {
        m_onFitted = std::move(onFitted);
    }

    // Reads the file and shows its samples; false after one message, the
    // file shown before stays.
    bool OpenFile(const std::string& path);
    // "Anpassen": a fit that cannot be made says why in one message and
    // leaves the fit shown before in place.
    void OnFit();

    const std::optional<keldo::PcDocumentFit>& Result() const { return m_fit; }
    const std::string& Source() const { return m_source; }

    // The controls, for the keyboard and for tests.
    QPushButton* FileButton() const { return m_fileButton; }
    QTableWidget* Samples() const { return m_samples; }
    QLineEdit* PcMaxField() const { return m_pcMax; }
    QSpinBox* AlfaOrderBox() const { return m_alfaOrder; }
    QCheckBox* TwoStepBox() const { return m_twoStep; }
    QPushButton* FitButton() const { return m_fitButton; }
    QPlainTextEdit* Numbers() const { return m_numbers; }
    std::array<CChartView*, 3> Charts() const { return m_charts; }
    // The last control of the tab in the tab order.
    QWidget* LastControl() const;

    // The columns of the sample table.
    enum Column { kSample, kDepth, kPorosity, kPermeability, kPoints, kClosure, kColumns };

private:
    void ShowTable();
    // The table as the user has set it; false after one message.
    bool ChosenTable(keldo::PcTable& table);
    bool ChosenOptions(keldo::PcFitOptions& options);

    CKeldoInputs m_inputs;
    keldo::IMessageBox& m_messages;
    FileChooser m_choose;
    std::function<void(const keldo::FittedCapillaryModel&)> m_onFitted;

    keldo::PcTable m_table;
    std::string m_path;
    std::string m_source;
    std::vector<std::string> m_shownClosures; // as each row's closure cell was filled
    keldo::ShownNumber m_shownPcMax;
    std::optional<keldo::PcDocumentFit> m_fit;

    QLabel* m_sourceText = nullptr;
    QPushButton* m_fileButton = nullptr;
    QTableWidget* m_samples = nullptr;
    QLineEdit* m_pcMax = nullptr;
    QSpinBox* m_alfaOrder = nullptr;
    QCheckBox* m_twoStep = nullptr;
    QPushButton* m_fitButton = nullptr;
    QPlainTextEdit* m_numbers = nullptr;
    std::array<CChartView*, 3> m_charts{};
};
