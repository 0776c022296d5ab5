#include "FieldWellTable.h"

#include <QColor>
#include <QFileInfo>
#include <QHeaderView>
#include <set>

#include "DecimalNumber.h"
#include "FieldFile.h"
#include "WellFileName.h"

using keldo::FieldColumn;

namespace {

size_t Cell(FieldColumn column) { return static_cast<size_t>(column); }

const QColor kRefused(0xff, 0xd0, 0xd0); // as a refused number field

} // namespace

CFieldWellTable::CFieldWellTable(QWidget* parent) : QTableWidget(0, ColumnCount, parent)
{
    setObjectName(QStringLiteral("Bohrungen"));
    setHorizontalHeaderLabels({QStringLiteral("Bohrung"), QStringLiteral("Datei"), QStringLiteral("Bohrpfad"),
        QStringLiteral("Bezugshöhe (m)"), QStringLiteral("Kontakt (m)"), QStringLiteral("Cutoff"),
        QStringLiteral("Druckdatei"), QStringLiteral("Tonanteilkurve")});
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    setColumnWidth(Name, 140);
    setColumnWidth(Source, 260);
    setColumnWidth(Survey, 200);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Long paths keep their beginning and their file name.
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    connect(this, &QTableWidget::itemChanged, this, &CFieldWellTable::TakeEdit);
}

FieldColumn CFieldWellTable::FieldColumnOf(const Row& row, int column)
{
    switch (column) {
    case Name:
        return FieldColumn::Well;
    case Source:
        return row.cells[Cell(FieldColumn::Las)].empty() ? FieldColumn::Document : FieldColumn::Las;
    case Survey:
        return FieldColumn::Survey;
    case Elevation:
        return FieldColumn::Elevation;
    case Contact:
        return FieldColumn::Contact;
    case Pressure:
        return FieldColumn::Pressure;
    case ShaleCurve:
        return FieldColumn::ShaleCurve;
    default:
        return FieldColumn::Cutoff;
    }
}

void CFieldWellTable::SetStudy(const keldo::FieldStudy& study)
{
    m_rows.clear();
    setRowCount(0);
    const std::string folder = QFileInfo(QString::fromStdString(study.path)).path().toStdString();
    for (const keldo::FieldWell& well : study.wells)
        AppendRow({well.line, folder, well.cells});
}

void CFieldWellTable::AddFile(const QString& path)
{
    const QFileInfo file(path);
    Row row;
    const bool document = file.suffix().compare(QStringLiteral("kld"), Qt::CaseInsensitive) == 0;
    row.cells[Cell(document ? FieldColumn::Document : FieldColumn::Las)] = file.absoluteFilePath().toStdString();
    if (!document)
        row.cells[Cell(FieldColumn::Elevation)] = "auto";
    // The well the file names, else the file's name; made unique among the
    // rows. The full path stays in the file's column and its tooltip.
    std::set<std::string> names;
    for (const Row& r : m_rows)
        names.insert(r.cells[Cell(FieldColumn::Well)]);
    std::string base = keldo::WellNameOfFile(file.absoluteFilePath().toStdString(), document);
    if (base.empty())
        base = file.completeBaseName().toStdString();
    std::string name = base;
    for (int n = 2; names.count(name); ++n)
        name = base + " (" + std::to_string(n) + ")";
    row.cells[Cell(FieldColumn::Well)] = name;
    AppendRow(std::move(row));
}

bool CFieldWellTable::IsLasRow(int row) const
{
    return row >= 0 && row < static_cast<int>(m_rows.size())
        && !m_rows[size_t(row)].cells[Cell(FieldColumn::Las)].empty();
}

bool CFieldWellTable::SetSurvey(int row, const QString& path)
{
    if (!IsLasRow(row))
        return false;
    m_rows[size_t(row)].cells[Cell(FieldColumn::Survey)] = QFileInfo(path).absoluteFilePath().toStdString();
    ShowRow(row);
    return true;
}

void CFieldWellTable::RemoveSelectedRows()
{
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.insert(index.row());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        m_rows.erase(m_rows.begin() + *it);
        removeRow(*it);
    }
}

keldo::FieldStudy CFieldWellTable::Study() const
{
    keldo::FieldStudy study;
    for (const Row& row : m_rows)
        study.wells.push_back(keldo::ReadFieldRow(row.line, row.cells, row.folder));
    keldo::CheckWellNames(study.wells);
    return study;
}

std::vector<std::array<std::string, keldo::kFieldColumnCount>> CFieldWellTable::Cells() const
{
    std::vector<std::array<std::string, keldo::kFieldColumnCount>> cells;
    for (const Row& row : m_rows)
        cells.push_back(row.cells);
    return cells;
}

std::optional<keldo::CellFault> CFieldWellTable::FirstBadCell() const { return keldo::FirstBadCell(Cells()); }

int CFieldWellTable::ColumnShowing(FieldColumn column)
{
    switch (column) {
    case FieldColumn::Well:
        return Name;
    case FieldColumn::Document:
    case FieldColumn::Las:
        return Source;
    case FieldColumn::Survey:
        return Survey;
    case FieldColumn::Elevation:
        return Elevation;
    case FieldColumn::Contact:
        return Contact;
    case FieldColumn::Cutoff:
        return Cutoff;
    case FieldColumn::Pressure:
        return Pressure;
    case FieldColumn::ShaleCurve:
        return ShaleCurve;
    default: // the other curve columns of a field file are not shown
        return -1;
    }
}

QString CFieldWellTable::RefuseCell(const keldo::CellFault& fault)
{
    const int row = static_cast<int>(fault.row);
    const int column = ColumnShowing(fault.column);
    QString where = QStringLiteral("Zeile %1").arg(row + 1); // as the row header counts
    QString text;
    if (column >= 0) {
        where += QStringLiteral(", Spalte „%1“").arg(horizontalHeaderItem(column)->text());
        text = item(row, column)->text();
        m_showing = true;
        item(row, column)->setBackground(kRefused);
        m_showing = false;
        setCurrentCell(row, column);
        scrollToItem(item(row, column));
    }
    switch (fault.problem) {
    case keldo::CellProblem::NameMissing:
        return where + QStringLiteral(": Der Name der Bohrung fehlt.");
    case keldo::CellProblem::NameRepeated:
        return where + QStringLiteral(": Die Bohrung „%1“ steht schon weiter oben in der Liste.").arg(text);
    case keldo::CellProblem::NotElevation:
        return where + QStringLiteral(": „%1“ ist weder eine Zahl noch auto.").arg(text);
    case keldo::CellProblem::OnlyWithLas:
        return where
            + QStringLiteral(": „%1“ gilt nur für eine LAS-Datei; ein Dokument hat seine Messwerte schon.").arg(text);
    case keldo::CellProblem::NotANumber:
        break;
    }
    return where + QStringLiteral(": „%1“ ist keine Zahl.").arg(text);
}

void CFieldWellTable::AppendRow(Row row)
{
    m_rows.push_back(std::move(row));
    insertRow(rowCount());
    ShowRow(rowCount() - 1);
}

void CFieldWellTable::ShowRow(int row)
{
    m_showing = true;
    const Row& r = m_rows[size_t(row)];
    const bool las = IsLasRow(row);
    for (int column = 0; column < ColumnCount; ++column) {
        auto* item = new QTableWidgetItem(QString::fromStdString(r.cells[Cell(FieldColumnOf(r, column))]));
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
        const bool editable = column == Name || column == Contact || column == Cutoff || column == Pressure
            || ((column == Elevation || column == ShaleCurve) && las);
        if (editable)
            flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
        if (column == Source || column == Survey || column == Pressure)
            item->setToolTip(item->text());
        setItem(row, column, item);
    }
    m_showing = false;
}

void CFieldWellTable::TakeEdit(QTableWidgetItem* item)
{
    if (m_showing || !item)
        return;
    Row& r = m_rows[size_t(item->row())];
    std::string text = item->text().trimmed().toStdString();
    const int column = item->column();
    // A number typed with a decimal comma is shown, as every number of the
    // program, with a point.
    if (column == Elevation || column == Contact || column == Cutoff) {
        double value = 0;
        if (keldo::ParseNumberCell(text, keldo::DecimalMark::PointOrComma, value))
            text = keldo::WithDecimalPoint(text);
    }
    r.cells[Cell(FieldColumnOf(r, column))] = text;
    m_showing = true;
    item->setText(QString::fromStdString(text));
    item->setData(Qt::BackgroundRole, QVariant()); // an edited cell is no longer refused
    m_showing = false;
}
