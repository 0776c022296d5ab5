// Where the graph view stands after the magnifier is switched and after
// Home / End: the unmagnified page is shown from its start again, and the
// keys reach the corners of the page, magnified or not.
#include <QApplication>
#include <QScrollBar>
#include <QtTest>

#include "Grafik.h"
#include "GraphPixels.h"
#include "GraphTestData.h"
#include "RecordingMessageBox.h"

namespace {

// A scroll position by the ends of the two bars; Kept: where it was before.
enum class At { Start, Middle, End, Kept };

int ValueAt(const QScrollBar* bar, At at)
{
    switch (at) {
    case At::Start:
        return bar->minimum();
    case At::Middle:
        return (bar->minimum() + bar->maximum()) / 2;
    case At::End:
    case At::Kept:
        break;
    }
    return bar->maximum();
}

void ScrollTo(CGrafik& view, At h, At v)
{
    view.horizontalScrollBar()->setValue(ValueAt(view.horizontalScrollBar(), h));
    view.verticalScrollBar()->setValue(ValueAt(view.verticalScrollBar(), v));
}

} // namespace

class GrafikScrollQTest : public QObject {
    Q_OBJECT

    RecordingMessageBox messages;

private slots:
    void magnifierAndKeysScrollToThePageEnds()
    {
        // What is done after scrolling with the magnifier as `lupe` says:
        // switching it, or a key with its modifiers.
        enum class Do { SwitchLupe, Key };
        const struct {
            const char* what;
            bool lupe;         // magnifier on while scrolling
            At scrolledH, scrolledV;
            Do action;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            At h, v; // where the bars stand afterwards
        } cases[] = {
            {"magnifier off at the bottom right", true, At::End, At::End, Do::SwitchLupe, Qt::Key_unknown, {},
                At::Start, At::Start},
            {"magnifier off scrolled down only", true, At::Start, At::End, Do::SwitchLupe, Qt::Key_unknown, {},
                At::Start, At::Start},
            {"magnifier off in the middle", true, At::Middle, At::Middle, Do::SwitchLupe, Qt::Key_unknown, {},
                At::Start, At::Start},
            {"magnifier on keeps the place", false, At::Middle, At::Middle, Do::SwitchLupe, Qt::Key_unknown, {},
                At::Kept, At::Kept},
            {"Ctrl+Home", false, At::End, At::End, Do::Key, Qt::Key_Home, Qt::ControlModifier, At::Start, At::Start},
            {"Ctrl+End", false, At::Start, At::Start, Do::Key, Qt::Key_End, Qt::ControlModifier, At::End, At::End},
            {"Ctrl+Home magnified", true, At::End, At::End, Do::Key, Qt::Key_Home, Qt::ControlModifier, At::Start,
                At::Start},
            {"Ctrl+End magnified", true, At::Start, At::Middle, Do::Key, Qt::Key_End, Qt::ControlModifier, At::End,
                At::End},
            {"Home", true, At::Middle, At::End, Do::Key, Qt::Key_Home, {}, At::Start, At::Start},
            {"End", false, At::Middle, At::Start, Do::Key, Qt::Key_End, {}, At::End, At::End},
            {"End on the keypad", true, At::Start, At::Start, Do::Key, Qt::Key_End, Qt::KeypadModifier, At::End,
                At::End},
            {"Shift+End is not for the view", true, At::Middle, At::Middle, Do::Key, Qt::Key_End, Qt::ShiftModifier,
                At::Kept, At::Kept},
        };
        for (const auto& c : cases) {
            CKeldoDoc doc(messages);
            FillSaturationGraph(doc);
            CGrafik view(doc);
            view.resize(500, 400);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            if (c.lupe)
                view.OnGrafiklupe();
            QApplication::processEvents();
            ScrollTo(view, c.scrolledH, c.scrolledV);
            const int hBefore = view.horizontalScrollBar()->value(), vBefore = view.verticalScrollBar()->value();
            QVERIFY2(vBefore > 0 || c.scrolledV == At::Start, c.what);

            if (c.action == Do::SwitchLupe)
                view.OnGrafiklupe();
            else
                QTest::keyClick(&view, c.key, c.modifiers);
            QApplication::processEvents();

            const QScrollBar* h = view.horizontalScrollBar();
            const QScrollBar* v = view.verticalScrollBar();
            QVERIFY2(h->maximum() > 0 && v->maximum() > 0, c.what); // the window is smaller than the page
            QVERIFY2(h->value() == (c.h == At::Kept ? hBefore : ValueAt(h, c.h)), c.what);
            QVERIFY2(v->value() == (c.v == At::Kept ? vBefore : ValueAt(v, c.v)), c.what);
        }
    }

    void unmagnifiedPageShowsItsTopLeftCornerAgain()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        CGrafik view(doc);
        view.resize(500, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.OnGrafiklupe();
        ScrollTo(view, At::End, At::End);
        view.OnGrafiklupe();
        // The plot frame's upper left corner, logical (0, 0), lies 400 units
        // right of and 350 below the window origin, as on the unscrolled page.
        const double s = view.viewport()->logicalDpiX() / 254.0;
        const QImage shot = view.viewport()->grab().toImage();
        QVERIFY(DarkNear(shot, qRound(400 * s), qRound(350 * s), 2));
    }
};

QTEST_MAIN(GrafikScrollQTest)
#include "GrafikScrollQTest.moc"
