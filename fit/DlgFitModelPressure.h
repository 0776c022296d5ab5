#pragma once
#include <functional>
#include <optional>
#include <string>

#include <QWidget>

#include "KeldoInputs.h"
#include "MessageBox.h"
#include "PressureEvaluation.h"

class CChartView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The tab "Druck" of "Modell anpassen": the free-water level from a pressure
// file. The user opens the file; the tab shows its points with their legs,
// the block of keldo-batch --fit-pressure and the pressure over depth
// (with the contact of the tab "Kontakt" once that was fitted). The
// dialog's "Übernehmen" on this tab (or without a contact fitted from the
// logs) writes the level as the document's contact, as the block shows it
// (LevelAsContact).
class DlgFitModelPressure : public QWidget {
    Q_OBJECT
public:
    using FileChooser = std::function<std::string(QWidget* parent)>;
    // The contact fitted on the tab "Kontakt", when there is one.
    using LogContact = std::function<std::optional<float>()>;

    DlgFitModelPressure(const CKeldoInputs& inputs, keldo::IMessageBox& messages, LogContact logContact,
        QWidget* parent = nullptr);

    void SetFileChooser(FileChooser chooser) { m_choose = std::move(chooser); }

    // Reads the pressure file at `path` and fits the level. A file or a level
    // that cannot be used says why in one message and leaves the level shown
    // before in place; false then.
    bool OpenFile(const std::string& path);

    // The level as the document's contact takes it; nothing before a level.
    std::optional<float> Contact() const;
    // When the tab is shown: the contact of the tab "Kontakt" may have
    // changed while another tab was shown.
    void ShowLogContact();
    const std::optional<keldo::PressureEvaluation>& Evaluation() const { return m_evaluation; }

    QPushButton* OpenButton() const { return m_open; }
    QTableWidget* Points() const { return m_points; }
    QPlainTextEdit* Numbers() const { return m_numbers; }
    CChartView* Chart() const { return m_chart; }

signals:
    // A new level was shown.
    void LevelChanged();

private:
    void ShowEvaluation();
    void ShowPoints();

    CKeldoInputs m_inputs;
    keldo::IMessageBox& m_messages;
    LogContact m_logContact;
    FileChooser m_choose;
    std::optional<keldo::PressureEvaluation> m_evaluation;
    std::optional<float> m_shownLogContact;

    QLabel* m_file = nullptr;
    QPushButton* m_open = nullptr;
    QTableWidget* m_points = nullptr;
    QPlainTextEdit* m_numbers = nullptr;
    CChartView* m_chart = nullptr;
};
