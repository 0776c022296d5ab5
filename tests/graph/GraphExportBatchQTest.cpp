#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <cstring>

#include "GraphExport.h"
#include "GraphTestData.h"
#include "RecordingMessageBox.h"

// The batch tool has no Qt application of its own: the export starts one
// and leaves the caller's number locale as it was.
class GraphExportBatchQTest : public QObject {
    Q_OBJECT

private slots:
    void exportsWithoutAnApplication()
    {
        QVERIFY(QCoreApplication::instance() == nullptr);
        RecordingMessageBox messages;
        CKeldoDoc doc(messages);
        FillHistogram(doc, 1480, 5, {1, 3, 17, 9, 4, 1, 2});
        QTemporaryDir dir;
        std::string error;
        const std::string locale = std::setlocale(LC_ALL, nullptr);
        QVERIFY2(keldo::ExportGraph(doc, dir.filePath("batch.png").toStdString(), error), error.c_str());
        QVERIFY(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr);
        QCOMPARE(std::string(std::setlocale(LC_ALL, nullptr)), locale);
        QVERIFY(!QImage(dir.filePath("batch.png")).isNull());
        QVERIFY2(keldo::ExportGraph(doc, dir.filePath("batch.pdf").toStdString(), error), error.c_str());
        QVERIFY(QFile::exists(dir.filePath("batch.pdf")));
    }
};

QTEST_APPLESS_MAIN(GraphExportBatchQTest)
#include "GraphExportBatchQTest.moc"
