// The controls of the LAS import and where they stand: the file and its
// curves on top, the choices below on the left, the counts and the preview
// on the right, OK and Abbrechen at the bottom. The tab order runs the same
// way; the depth chooser has the focus first.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DlgLasImport.h"
#include "OutOfMemory.h"
#include "ScreenFit.h"

using keldo::CurveRole;

namespace {

QLabel* Buddy(const char* text, QWidget* buddy)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setBuddy(buddy);
    return label;
}

} // namespace

void DlgLasImport::CreateControls(bool offerPermeability, bool offerShale)
{
    setWindowTitle(QStringLiteral("LAS-Datei einlesen"));
    resize(960, 680);

    m_fileText = new QLabel;
    m_fileText->setTextFormat(Qt::PlainText);
    m_curveTable = new QTableWidget(0, 6);
    m_curveTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_curveTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_curveTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_curveTable->setTabKeyNavigation(false); // Tab goes on to the choosers
    m_curveTable->verticalHeader()->hide();
    m_curveTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_curveTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_curveTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);

    const struct {
        CurveRole role;
        const char* label;
    } choosers[] = {
        {CurveRole::Depth, "&Teufe"},
        {CurveRole::Porosity, "&Porosität"},
        {CurveRole::WaterSaturation, "&Wassersättigung"},
        {CurveRole::Permeability, "Per&meabilität"},
        {CurveRole::Shale, "Ton&anteil"},
    };
    auto* choices = new QGridLayout;
    int row = 0;
    for (size_t i = 0; i < m_choosers.size(); ++i) {
        if ((choosers[i].role == CurveRole::Permeability && !offerPermeability)
            || (choosers[i].role == CurveRole::Shale && !offerShale))
            continue;
        auto* combo = new QComboBox;
        combo->setObjectName(QString::fromUtf8(keldo::RoleName(choosers[i].role)));
        combo->setPlaceholderText(QStringLiteral("(bitte wählen)"));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        m_choosers[static_cast<size_t>(choosers[i].role)] = combo;
        choices->addWidget(Buddy(choosers[i].label, combo), row, 0);
        choices->addWidget(combo, row++, 1);
        const CurveRole role = choosers[i].role;
        connect(combo, &QComboBox::currentIndexChanged, this,
            [this, role] { keldo::RunCatchingOutOfMemory([this, role] { OnCurveChosen(role); }, m_messages); });
    }

    m_surveyName = new QLineEdit;
    m_surveyName->setReadOnly(true);
    m_surveyName->setFocusPolicy(Qt::ClickFocus);
    m_surveyName->setPlaceholderText(QStringLiteral("kein Bohrpfad"));
    m_surveyButton = new QPushButton(QStringLiteral("&Bohrpfad…"));
    m_noSurveyButton = new QPushButton(QStringLiteral("&Ohne Bohrpfad"));
    connect(m_surveyButton, &QPushButton::clicked, this,
        [this] { keldo::RunCatchingOutOfMemory([this] { OnChooseSurvey(); }, m_messages); });
    connect(m_noSurveyButton, &QPushButton::clicked, this, &DlgLasImport::OnNoSurvey);
    auto* survey = new QHBoxLayout;
    survey->addWidget(m_surveyName, 1);
    survey->addWidget(m_surveyButton);
    survey->addWidget(m_noSurveyButton);
    choices->addWidget(new QLabel(QStringLiteral("Bohrpfad")), row, 0);
    choices->addLayout(survey, row++, 1);

    m_elevation = new CDecimalEdit(0, 1);
    m_elevation->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
    connect(m_elevation, &QLineEdit::textChanged, this, &DlgLasImport::Refresh);
    choices->addWidget(Buddy("Be&zugshöhe (m)", m_elevation), row, 0);
    choices->addWidget(m_elevation, row++, 1, Qt::AlignLeft);
    m_takeWellName = new QCheckBox;
    m_takeWellName->hide();
    choices->addWidget(m_takeWellName, row++, 0, 1, 2);
    choices->setRowStretch(row, 1);

    m_counts = new QLabel;
    m_counts->setTextFormat(Qt::PlainText);
    m_counts->setWordWrap(true);
    m_counts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_counts->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_preview = new QPlainTextEdit;
    m_preview->setReadOnly(true);
    m_preview->setTabChangesFocus(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* outcome = new QVBoxLayout;
    outcome->addWidget(m_counts);
    outcome->addWidget(Buddy("&Vorschau der ersten übernommenen Zeilen", m_preview));
    outcome->addWidget(m_preview, 1);

    auto* buttons = new QDialogButtonBox;
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &DlgLasImport::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &DlgLasImport::reject);

    auto* middle = new QHBoxLayout;
    middle->addLayout(choices, 1);
    middle->addLayout(outcome, 1);
    auto* page = new QVBoxLayout(this);
    page->addWidget(m_fileText);
    page->addWidget(Buddy("&Kurven", m_curveTable));
    page->addWidget(m_curveTable, 1);
    page->addLayout(middle, 1);
    page->addWidget(buttons);

    // Top to bottom, left to right.
    QWidget* previous = m_curveTable;
    for (QWidget* next : {static_cast<QWidget*>(m_choosers[0]), static_cast<QWidget*>(m_choosers[1]),
             static_cast<QWidget*>(m_choosers[2]), static_cast<QWidget*>(m_choosers[3]),
             static_cast<QWidget*>(m_choosers[4]),
             static_cast<QWidget*>(m_surveyButton), static_cast<QWidget*>(m_noSurveyButton),
             static_cast<QWidget*>(m_elevation), static_cast<QWidget*>(m_takeWellName),
             static_cast<QWidget*>(m_preview), static_cast<QWidget*>(m_ok),
             static_cast<QWidget*>(cancel)}) {
        if (!next)
            continue;
        setTabOrder(previous, next);
        previous = next;
    }
    // OK is the default button once it belongs to the dialog, so that it is
    // so again whenever a focused button gives the role back.
    m_ok->setDefault(true);
    m_choosers[0]->setFocus();
    keldo::FitIntoScreen(this);
}
