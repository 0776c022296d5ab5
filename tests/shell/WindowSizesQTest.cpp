// Every window and dialog fits a 1280 × 1024 screen at 100 % and 125 % text
// size: its smallest size fits the screen's area less a panel, it opens no
// larger than the screen it is on (unless its smallest size is larger), and
// at its smallest size every button and entry field is inside it.
#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "ProgramWindows.h"
#include "RecordingMessageBox.h"

namespace {

// The area a 1280 × 1024 screen leaves with a panel, less title bar and borders.
const QSize kSmallScreenArea(1280 - 16, 1024 - 40 - 40);

QString Name(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text().left(40);
    return QString::fromLatin1(w->metaObject()->className());
}

// What of `window` at its smallest size is cut off or clipped.
QStringList ClippedAtMinimum(QWidget* window)
{
    QStringList clipped;
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    if (least.boundedTo(kSmallScreenArea) != least)
        clipped << QStringLiteral("kleinste Größe %1 × %2").arg(least.width()).arg(least.height());
    const QSize opened = window->size();
    const QSize screen = window->screen()->availableGeometry().size();
    if (opened.width() > std::max(screen.width(), least.width())
        || opened.height() > std::max(screen.height(), least.height()))
        clipped << QStringLiteral("öffnet mit %1 × %2").arg(opened.width()).arg(opened.height());

    window->resize(least);
    QApplication::sendPostedEvents();
    if (window->layout())
        window->layout()->activate();
    const QRect inside = window->rect();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window))
            continue;
        // Buttons and entry fields: what the user must reach.
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w))
            continue;
        const QRect shown(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!inside.contains(shown))
            clipped << Name(w) + QStringLiteral(" außerhalb");
    }
    return clipped;
}

} // namespace

class WindowSizesQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    RecordingMessageBox messages;
    QFont normal;

private slots:
    void initTestCase()
    {
        IsolateSettings(dir.filePath("settings"));
        normal = QApplication::font();
    }

    void cleanup() { QApplication::setFont(normal); }

    void everyWindowFitsTheScreen_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("125 %") << 1.25;
    }

    void everyWindowFitsTheScreen()
    {
        QFETCH(double, scale);
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
        ClearSettings();
        std::unique_ptr<CKeldoApp> app = ProgramWithExample(&messages);
        QVERIFY(app);
        QStringList faults;
        VisitProgramWindows(*app, messages, [&](QWidget* window) {
            for (const QString& fault : ClippedAtMinimum(window))
                faults << window->windowTitle() + QStringLiteral(": ") + fault;
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(WindowSizesQTest)
#include "WindowSizesQTest.moc"
