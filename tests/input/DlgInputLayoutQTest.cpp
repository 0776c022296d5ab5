// No control of the input dialog covers another's text, and every text fits
// its control. Run at the default font and again at 125 % font scaling
// (QT_FONT_DPI=120, see CMakeLists.txt).
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

#include "DefaultParameters.h"
#include "DlgInput.h"
#include "RecordingMessageBox.h"

namespace {

int TextWidth(const QWidget* w, const QString& text) { return w->fontMetrics().horizontalAdvance(text); }

// The inked part of a text drawn from x = 0: blanks at either end leave no ink.
QRect TextInk(const QWidget* w, const QString& text, int height)
{
    const QString ink = text.trimmed();
    if (ink.isEmpty())
        return {};
    const int before = TextWidth(w, text.left(text.indexOf(ink)));
    return QRect(before, 0, TextWidth(w, ink), height);
}

// What a control paints, in the dialog's coordinates: its face (fields,
// lists and buttons paint a frame, check boxes and radio buttons their
// indicator; labels have none) and its text.
struct Ink {
    QRect face;
    QRect text;
};

Ink InkOf(const QWidget* w)
{
    const QRect g = w->geometry();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return {{}, TextInk(w, label->text(), g.height()).translated(g.topLeft()) & g};
    if (auto* button = qobject_cast<const QPushButton*>(w)) {
        const int width = TextWidth(w, button->text());
        return {g, QRect(g.center().x() - width / 2, g.top(), width, g.height())};
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        const bool radio = qobject_cast<const QRadioButton*>(w);
        QStyleOptionButton option;
        option.initFrom(w);
        option.text = button->text();
        const QRect indicator = w->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, w);
        const QRect contents = w->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, w);
        const QRect text = TextInk(w, button->text(), contents.height()).translated(contents.topLeft());
        return {indicator.translated(g.topLeft()) & g, text.translated(g.topLeft()) & g};
    }
    return {g, {}};
}

// True when `text` has less than two pixels of air towards `other`.
bool Crowds(const QRect& text, const QRect& other)
{
    return !text.isEmpty() && !other.isEmpty() && text.adjusted(-2, 0, 2, 0).intersects(other);
}

// The width a control's text needs inside it.
int NeededWidth(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w))
        return TextInk(w, label->text(), 0).right() + 1;
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        // The frame and the field's own margin on either side, and a pixel
        // of air so that a number does not run edge to edge.
        const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
        const QMargins margins = edit->textMargins();
        return TextWidth(w, edit->text()) + 2 * (frame + 2 + 1) + margins.left() + margins.right();
    }
    if (auto* button = qobject_cast<const QPushButton*>(w))
        return TextWidth(w, button->text()) + 2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
    if (qobject_cast<const QAbstractButton*>(w))
        return w->sizeHint().width();
    return 0;
}

QString Describe(const QWidget* w)
{
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    else if (auto* edit = qobject_cast<const QLineEdit*>(w))
        text = edit->text();
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), text);
}

// The dialog with the longest texts it shows: the oil labels after a click,
// the default parameters, a list with its count.
void FillLikeAUser(DlgInput& dlg)
{
    CDlgInputValues v;
    SetDefaultGasParameters(v);
    v.m_nFluid = 1;
    v.m_fDichteKW = 830.0f;
    v.m_fKontakt = 3027.0f;
    v.m_fMinTeufe = 2940.125f;
    v.m_fMaxTeufe = 3039.875f;
    v.m_fKontaktwinkel = 30.0f;
    for (int i = 0; i < 309; ++i)
        v.m_Messwerte.push_back("  3039.875      0.21000     0.31000");
    dlg.SetValues(v);
    dlg.OnInitDialog();
    dlg.m_strAnzahl = "309 Zeilen wurden eingelesen";
    dlg.SetFluidLabels(true);
    dlg.UpdateData(false);
}

} // namespace

class DlgInputLayoutQTest : public QObject {
    Q_OBJECT
private slots:
    void noControlCoversAnotherOnesText()
    {
        // The template's font, and one a quarter larger: the controls grow
        // with the dialog units, indicators and frames do not.
        for (qreal scale : {1.0, 1.25}) {
            RecordingMessageBox box;
            DlgInput dlg(box);
            QFont font = dlg.font();
            font.setPointSizeF(font.pointSizeF() * scale);
            dlg.setFont(font);
            FillLikeAUser(dlg);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));

            QList<QWidget*> controls;
            for (QWidget* w : dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!qobject_cast<QGroupBox*>(w) && w->isVisible())
                    controls << w;
            QVERIFY(controls.size() > 70);

            QStringList faults;
            for (const QWidget* w : controls)
                if (NeededWidth(w) > w->width())
                    faults << QStringLiteral("%1 needs %2 px, has %3")
                                  .arg(Describe(w))
                                  .arg(NeededWidth(w))
                                  .arg(w->width());
            for (const QWidget* a : controls)
                for (const QWidget* b : controls) {
                    if (a == b)
                        continue;
                    const Ink inkA = InkOf(a), inkB = InkOf(b);
                    if (Crowds(inkA.text, inkB.face) || (a < b && Crowds(inkA.text, inkB.text)))
                        faults << QStringLiteral("%1 is crowded by %2").arg(Describe(a), Describe(b));
                }
            QVERIFY2(faults.isEmpty(),
                qPrintable(QStringLiteral("font %1 pt:\n").arg(font.pointSizeF()) + faults.join(QStringLiteral("\n"))));
        }
    }
};

// QTEST_MAIN would fix the font resolution at 96 dpi; the layout is checked
// at the resolution of the screen, which QT_FONT_DPI scales.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    DlgInputLayoutQTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "DlgInputLayoutQTest.moc"
