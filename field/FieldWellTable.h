#pragma once
#include <QTableWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "FieldWell.h"
#include "WellCellCheck.h"

// The wells of a study in the program: opened from a field file or added
// file by file, edited in place (name, elevation, contact, cut-off,
// pressure file, shale-volume curve) and
// read with the field file's grammar when the study starts.
class CFieldWellTable : public QTableWidget {
    Q_OBJECT
public:
    // The table's columns.
    enum Column { Name, Source, Survey, Elevation, Contact, Cutoff, Pressure, ShaleCurve, ColumnCount };

    explicit CFieldWellTable(QWidget* parent = nullptr);

    // Replaces the rows by the wells of a field file.
    void SetStudy(const keldo::FieldStudy& study);
    // A row for a document (.kld) or, for any other file, a LAS file, named
    // after the well the file names (else after the file); a LAS file takes
    // its elevation from its header.
    void AddFile(const QString& path);
    // The deviation survey of a LAS row; false for a document's row.
    bool SetSurvey(int row, const QString& path);
    bool IsLasRow(int row) const;
    // Removes the selected rows.
    void RemoveSelectedRows();

    // The wells as the rows stand now.
    keldo::FieldStudy Study() const;

    // The texts of every row's cells, by FieldColumn.
    std::vector<std::array<std::string, keldo::kFieldColumnCount>> Cells() const;
    // The first cell the study could not read, or nothing.
    std::optional<keldo::CellFault> FirstBadCell() const;
    // Marks that cell (until it is edited), makes it current and returns
    // what is wrong with it, naming row and column as the table shows them.
    QString RefuseCell(const keldo::CellFault& fault);
    // The table column that shows `column` of the field file.
    static int ColumnShowing(keldo::FieldColumn column);

private:
    struct Row {
        int line = 0;       // of the field file; 0 for an added file
        std::string folder; // relative paths are relative to it
        std::array<std::string, keldo::kFieldColumnCount> cells;
    };
    static keldo::FieldColumn FieldColumnOf(const Row& row, int column);
    void AppendRow(Row row);
    void ShowRow(int row);
    void TakeEdit(QTableWidgetItem* item);

    std::vector<Row> m_rows;
    bool m_showing = false;
};
