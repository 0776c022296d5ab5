// keldo-field's outputs with the graphs of the desktop program.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <map>
#include <sstream>

#include "BatchRun.h"
#include "FieldChart.h"
#include "FieldCommand.h"
#include "FieldOutputFiles.h"
#include "GraphPainter.h"
#include "QtFieldGraphExport.h"
#include "QtGraphExporter.h"
#include "WellDataTestFiles.h"

namespace fs = std::filesystem;

namespace {

int RunField(const std::string& out, int jobs)
{
    keldo::FieldOptions options;
    options.fieldFile = ExampleFile("volve-field.csv");
    options.templateFile = OilExampleDocument();
    options.outDir = out;
    options.jobs = jobs;
    std::ostringstream progress;
    return keldo::RunFieldCommand(options, progress, keldo::QtFieldGraphExport());
}

} // namespace

class FieldOutputsQTest : public QObject {
    Q_OBJECT

private slots:
    // Every output, the same bytes with one thread and with four.
    void everyOutputWhateverTheNumberOfThreads()
    {
        QTemporaryDir dir;
        const std::string one = dir.filePath("eins").toStdString(), four = dir.filePath("vier").toStdString();
        QCOMPARE(RunField(one, 1), int(keldo::kFieldCompleted));
        QCOMPARE(RunField(four, 4), int(keldo::kFieldCompleted));
        const auto files = OutputFiles(one);
        // with netpay.csv, the study's marker and each well's curves.las
        QCOMPARE(files.size(), size_t(6 + 3 * 6));
        for (const char* well : {"15_9-F-12", "15_9-F-11_A", "15_9-F-11_B"})
            for (const char* file : {"saturation.txt", "contact.txt", "saturation.svg", "contact.svg", "messages.txt"})
                QVERIFY2(files.count(std::string(well) + "/" + file), file);
        QVERIFY(files.at("field.svg").startsWith("<?xml"));
        QVERIFY(files.at("field.pdf").startsWith("%PDF"));
        const QImage png = QImage::fromData(files.at("field.png"), "PNG");
        QVERIFY(!png.isNull() && png.width() > 1000);

        const auto again = OutputFiles(four);
        QCOMPARE(again.size(), files.size());
        for (const auto& [name, bytes] : files)
            QVERIFY2(again.at(name) == bytes, name.c_str());
    }

    // A well's graphs are the graphs keldo-batch --graph saves for its
    // document, in both modes.
    void wellGraphsAreThoseOfKeldoBatch()
    {
        QTemporaryDir dir;
        const std::string out = dir.filePath("feld").toStdString();
        QCOMPARE(RunField(out, 2), int(keldo::kFieldCompleted));
        for (const char* mode : {"saturation", "contact"}) {
            keldo::BatchOptions options;
            options.inputs.document = OilExampleDocument();
            options.inputs.lasFile = VolveWellLas("15_9-F-11_A");
            options.inputs.surveyFile = VolveWellSurvey("15_9-F-11_A");
            options.inputs.elevation.reset();
            options.settings.modus = std::string(mode) == "contact" ? 1 : 0;
            options.graphFile = dir.filePath(QStringLiteral("batch-%1.svg").arg(mode)).toStdString();
            std::ostringstream report, messages;
            QCOMPARE(keldo::RunBatch(options, report, messages, keldo::QtGraphExporter()), int(keldo::kBatchCompleted));
            QVERIFY2(FileBytes(options.graphFile) == FileBytes(out + "/15_9-F-11_A/" + mode + ".svg"), mode);
        }
    }

    // The chart lays out its names by a width no real name exceeds.
    void labelWidthsAreNeverExceeded()
    {
        const keldo::QtTextMeasure measure;
        for (const char* name : {"15/9-F-11 B", "Öl-Bohrung Süd 12", "WWWWWWWWWWWWWWWWWWWWWWWW", "iiiiiiiiii", "…"})
            QVERIFY2(measure.TextWidth(keldo::FontKind::Label, name) <= keldo::LabelWidthAtMost(name), name);
    }
};

QTEST_MAIN(FieldOutputsQTest)
#include "FieldOutputsQTest.moc"
