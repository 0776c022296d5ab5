// The controls of dialog template 130 and where they stand. The positions
// are the template's, except where this platform's font needs more room for
// a text: the two fluid radio buttons, "Permeabilität druckabhängig", the
// "Default-Werte" button, the two check boxes and " Wassersättigung" are
// wider; the last alfa field moves right and widens with the label after
// it; the list is two units narrower, so that "Porositäts-Cutoff (-)" keeps
// its distance.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>

#include "DialogUnits.h"
#include "DlgInput.h"
#include "MeasurementListModel.h"
#include "OutOfMemory.h"

namespace {

// The list box rows are two pixels taller than the font needs.
class TallerRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rheight() += 2;
        return size;
    }
};

QFont DialogFont()
{
    QFont font;
    // The template's font, else the closest in width that a desktop has.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

} // namespace

using Id = keldo::ControlId;

void DlgInput::CreateControls()
{
    setFont(DialogFont());
    setWindowTitle(QStringLiteral("Dialogfeld zum Programm KELDO"));

    auto place = [&](QWidget* w, Id id, int x, int y, int width, int height) {
        m_templateRects.emplace_back(w, QRect(x, y, width, height));
        if (id != Id::None) {
            w->setObjectName(QString::number(keldo::ToInt(id)));
            w->setProperty("controlId", keldo::ToInt(id));
            m_controls[id] = w;
        }
    };
    auto label = [&](const char* text, int x, int y, int width, Id id = Id::None) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setTextFormat(Qt::PlainText);
        place(l, id, x, y, width, 8);
        return l;
    };
    auto edit = [&](Id id, int x, int y, int width = 40) {
        auto* e = new QLineEdit(this);
        place(e, id, x, y, width, 14);
        return e;
    };
    auto button = [&](const char* text, Id id, int x, int y, int width, void (DlgInput::*handler)()) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        // No default button: Enter must not press anything.
        b->setAutoDefault(false);
        b->setDefault(false);
        place(b, id, x, y, width, 14);
        connect(b, &QPushButton::clicked, this,
            [this, handler] { keldo::RunCatchingOutOfMemory([this, handler] { (this->*handler)(); }, m_messages); });
        return b;
    };
    auto check = [&](const char* text, Id id, int x, int y, int width) {
        auto* c = new QCheckBox(QString::fromUtf8(text), this);
        place(c, id, x, y, width, 10);
        return c;
    };
    auto radio = [&](const char* text, Id id, int x, int y, int width, int height) {
        auto* r = new QRadioButton(QString::fromUtf8(text), this);
        place(r, id, x, y, width, height);
        return r;
    };

    // Group boxes first, so that they lie beneath the controls inside them.
    auto groupBox = [&](const char* title, int x, int y, int width, int height) {
        place(new QGroupBox(QString::fromUtf8(title), this), Id::None, x, y, width, height);
    };
    groupBox("", 7, 7, 154, 40);
    groupBox("Berechnet wird", 308, 161, 89, 36);

    m_fluidGroup = new QButtonGroup(this);
    m_fluidGroup->addButton(radio("Berechnung des Gas/Wasserkontaktes", Id::FluidGas, 13, 17, 146, 10), 0);
    m_fluidGroup->addButton(radio("Berechnung des Öl/Wasserkontaktes", Id::FluidOil, 14, 32, 140, 10), 1);
    connect(m_fluidGroup, &QButtonGroup::idClicked, this, [this](int) { OnFluidRadio(); });

    label("Bohrung", 9, 52, 39);
    edit(Id::WellName, 50, 50, 98);
    label("Initialdruck (bar)", 9, 67, 97);
    edit(Id::InitialPressure, 107, 65);
    label("Max.Kapillardruck (bar)", 9, 82, 97);
    edit(Id::MaxCapillaryPressure, 107, 80);
    label("", 9, 96, 98, Id::ContactLabel);
    edit(Id::Contact, 108, 94);
    label("", 9, 110, 97, Id::DensityLabel);
    edit(Id::HydrocarbonDensity, 107, 108);
    label("Lagerstättentemperatur (°C)", 9, 124, 97);
    edit(Id::Temperature, 107, 122);
    label("Wasserdichte (kg/m3)", 9, 139, 97);
    edit(Id::WaterDensity, 107, 137);
    label("Kontaktwinkel Öl/Wasser ( ° )", 9, 153, 97);
    edit(Id::ContactAngle, 107, 151);

    label("Relation Porosität/Permeabilität Phi/K", 13, 169, 150);
    check("Permeabilität druckabhängig", Id::PressureDependentCheck, 176, 168, 113);
    label("log10(K) = ", 7, 182, 36);
    edit(Id::PhiK0, 44, 180);
    label("+", 86, 182, 4);
    edit(Id::PhiK1, 91, 181);
    label("* Phi   + ", 133, 182, 42);
    edit(Id::PhiK2, 176, 180);
    label(" *Phi*Phi", 217, 182, 40);

    label("Normierungsparameter aus dem Programm MIRBEL", 13, 198, 200);
    label("alfa = ", 13, 211, 30);
    edit(Id::Alfa0, 44, 209);
    label("+ ", 86, 212, 6);
    edit(Id::Alfa1, 92, 210);
    label("* log10(K) +", 134, 212, 40);
    edit(Id::Alfa2, 175, 210);
    label("* log10(K)^2 + ", 217, 212, 50);
    edit(Id::Alfa3, 269, 210, 45);
    label("* log10(K)^3", 316, 212, 45);
    label("beta =", 13, 225, 29);
    edit(Id::Beta0, 43, 223);
    label("+", 85, 226, 5);
    edit(Id::Beta1, 91, 224);
    label("* log10(K)", 133, 226, 40);
    label("Swmin=", 13, 240, 29);
    edit(Id::Swmin0, 43, 238);
    label("+ ", 85, 240, 5);
    edit(Id::Swmin1, 91, 238);
    label("* log10(K)", 133, 240, 40);
    label("Pcsperr=", 9, 254, 33);
    edit(Id::Pcsperr0, 43, 252);
    label("+", 85, 254, 5);
    edit(Id::Pcsperr1, 91, 252);
    label("* log19(K)", 133, 254, 40);

    label("", 163, 23, 128, Id::LineCountText);
    label("Teufe(TVD) Porosität Wassersättigung  ", 163, 33, 134);
    label("     ( m )            ( - )             ( - )", 163, 41, 134);
    m_ListMesswerte = new QListView(this);
    place(m_ListMesswerte, Id::MeasurementList, 161, 50, 128, 114);
    m_listModel = new MeasurementListModel(m_Messwerte, this);
    m_ListMesswerte->setModel(m_listModel);
    m_ListMesswerte->setItemDelegate(new TallerRowDelegate(m_ListMesswerte));
    // One row height for all: a million lines scroll without measuring each.
    m_ListMesswerte->setUniformItemSizes(true);
    m_ListMesswerte->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ListMesswerte->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ListMesswerte->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_ListMesswerte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    button("Default-Werte", Id::DefaultsButton, 188, 7, 56, &DlgInput::OnDefaultWerte);
    button("Datei lesen", Id::ReadFileButton, 245, 7, 50, &DlgInput::FileOpen);
    button("Abbrechen", Id::CancelButton, 296, 7, 50, &DlgInput::reject);
    button("OK", Id::OkButton, 347, 7, 50, &DlgInput::OnOkButton);
    button("Alle Werte", Id::AllValuesButton, 354, 36, 43, &DlgInput::OnAlleWerte);

    label("Ausgewählter Teufenbereich", 298, 55, 99);
    label("Min.Teufe (m)", 298, 68, 58);
    edit(Id::MinDepth, 357, 66);
    label("Max. Teufe (m)", 298, 83, 58);
    edit(Id::MaxDepth, 357, 81);
    label("Porositäts-Cutoff (-)", 292, 100, 64);
    edit(Id::Cutoff, 357, 98);

    check("Mit Warnungen", Id::WarningsCheck, 325, 137, 70);
    check("Detailausgabe", Id::DetailCheck, 326, 148, 67);

    m_modusGroup = new QButtonGroup(this);
    m_modusGroup->addButton(radio(" Wassersättigung", Id::ModeSaturation, 312, 172, 77, 10), 0);
    m_modusGroup->addButton(radio("", Id::ModeContact, 312, 183, 16, 8), 1);
    label("", 325, 183, 68, Id::ContactModeLabel);
    LayoutControls();
}

void DlgInput::LayoutControls()
{
    const DialogUnits du(font());
    setFixedSize(du.Size(404, 285));
    // The frame of a group box runs through the middle of its title, as the
    // template expects: the first control sits just below the title.
    const QString frame = QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: %1px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: %2px; padding: 0 2px; }")
                              .arg(QFontMetrics(font()).height() / 2)
                              .arg(du.BaseX());
    for (const auto& [control, rect] : m_templateRects) {
        control->setGeometry(du.Rect(rect.x(), rect.y(), rect.width(), rect.height()));
        if (auto* box = qobject_cast<QGroupBox*>(control))
            box->setStyleSheet(frame);
    }
}
