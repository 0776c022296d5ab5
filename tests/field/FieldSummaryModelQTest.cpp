// The window's summary table over a study's result: a number column sorts
// by the numbers themselves, where the order of their texts differs, and a
// well still waiting sorts last.
#include <QtTest>

#include "FieldSummaryModel.h"

using Column = keldo::SummaryColumn;

class FieldSummaryModelQTest : public QObject {
    Q_OBJECT

private slots:
    void numberColumnsSortByTheirNumbers()
    {
        const struct Case {
            Column column;
            void (*set)(keldo::WellSummary& summary, double value);
            double values[3];  // of wells A, B, C; D still waits
            const char* shown; // the texts of A, B, C
            const char* order; // ascending
        } cases[] = {
            // As text 13709 comes before 1533 and 987.
            {Column::Measurements, [](keldo::WellSummary& s, double v) { s.measurements = static_cast<int>(v); },
                {13709, 987, 1533}, "13709 987 1533", "B C A D"},
            {Column::Contact, [](keldo::WellSummary& s, double v) { s.contact = static_cast<float>(v); },
                {-5.5, 10, -20}, "-5.50 10.00 -20.00", "C A B D"},
            // Three medians that print alike.
            {Column::Median, [](keldo::WellSummary& s, double v) { s.median = v; }, {3000.004, 2999.996, 3000.001},
                "3000.00 3000.00 3000.00", "B C A D"},
        };
        keldo::FieldStudy study;
        for (const char* name : {"A", "B", "C", "D"}) {
            study.wells.emplace_back();
            study.wells.back().name = name;
        }
        for (const Case& c : cases) {
            const QByteArray what = keldo::SummaryKey(c.column);
            CFieldSummaryModel model;
            CSummarySortProxy sorted;
            sorted.setSourceModel(&model);
            model.Start(study);
            QStringList shown;
            for (size_t i = 0; i < 3; ++i) {
                auto outcome = std::make_shared<keldo::WellOutcome>();
                outcome->index = i;
                outcome->summary.well = study.wells[i].name;
                outcome->summary.status = keldo::WellStatus::Completed;
                outcome->summary.prepared = true;
                c.set(outcome->summary, c.values[i]);
                QVERIFY(model.Take(outcome));
                shown << model.index(int(i), CFieldSummaryModel::Section(c.column)).data().toString();
            }
            QVERIFY2(shown.join(' ') == QLatin1String(c.shown), what + ": " + shown.join(' ').toUtf8());
            QCOMPARE(model.index(3, CFieldSummaryModel::Section(Column::Status)).data().toString(),
                QStringLiteral("wartet"));

            sorted.sort(CFieldSummaryModel::Section(c.column), Qt::AscendingOrder);
            QStringList order;
            for (int row = 0; row < sorted.rowCount(); ++row)
                order << sorted.index(row, CFieldSummaryModel::Section(Column::Well)).data().toString();
            QVERIFY2(order.join(' ') == QLatin1String(c.order), what + ": " + order.join(' ').toUtf8());
        }
    }
};

QTEST_MAIN(FieldSummaryModelQTest)
#include "FieldSummaryModelQTest.moc"
