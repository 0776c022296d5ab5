#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "QtMessageBox.h"

// What the user sees of a message box, and a way to answer it.
struct SeenBox {
    QString caption;
    QString text;
    QStringList buttons;
    bool modal = false;
    Qt::CursorShape cursor = Qt::BlankCursor; // the override cursor while shown
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

static void AnswerNextBox(SeenBox& seen, const QString& press, int attempts = 100)
{
    QTimer::singleShot(20, [&seen, press, attempts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (attempts > 0)
                AnswerNextBox(seen, press, attempts - 1);
            return;
        }
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.modal = box->isModal();
        seen.icon = box->icon();
        if (QApplication::overrideCursor())
            seen.cursor = QApplication::overrideCursor()->shape();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
        }
        for (QAbstractButton* button : box->buttons())
            if (button->text() == press)
                button->click();
    });
}

class QtMessageBoxQTest : public QObject {
    Q_OBJECT
private slots:
    void okBoxIsCaptionedKeldoAndModal()
    {
        QWidget frame;
        frame.show();
        keldo::QtMessageBox messages(&frame);
        SeenBox seen;
        AnswerNextBox(seen, QStringLiteral("OK"));
        messages.Show("WARNUNG!! Größe außerhalb");
        QCOMPARE(seen.caption, QStringLiteral("Keldo"));
        QCOMPARE(seen.text, QStringLiteral("WARNUNG!! Größe außerhalb"));
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
        QVERIFY(seen.modal);
        QCOMPARE(seen.icon, QMessageBox::Warning);

        SeenBox done;
        AnswerNextBox(done, QStringLiteral("OK"));
        messages.Inform("Berechnung der Saettigung abgeschlossen");
        QCOMPARE(done.icon, QMessageBox::Information);

        // The icon follows the kind of box, not the words.
        SeenBox shown;
        AnswerNextBox(shown, QStringLiteral("OK"));
        messages.Show("Berechnung der Saettigung abgeschlossen");
        QCOMPARE(shown.icon, QMessageBox::Warning);
    }

    void questionsAreAnsweredJaOrNein()
    {
        keldo::QtMessageBox messages;
        SeenBox seen;
        AnswerNextBox(seen, QStringLiteral("&Nein"));
        QVERIFY(!messages.AskYesNo("Weiter?"));
        QCOMPARE(seen.caption, QStringLiteral("Keldo"));
        QVERIFY(seen.buttons.contains(QStringLiteral("&Ja")));

        SeenBox again;
        AnswerNextBox(again, QStringLiteral("&Ja"));
        QVERIFY(messages.AskYesNo("Weiter?"));
    }

    void saveQuestionCanBeCalledOff()
    {
        keldo::QtMessageBox messages;
        SeenBox seen;
        AnswerNextBox(seen, QStringLiteral("Abbrechen"));
        QCOMPARE(messages.AskYesNoCancel("Änderungen in Unbenannt speichern?"), keldo::SaveAnswer::Cancel);
        QCOMPARE(seen.buttons.size(), 3);
        SeenBox no;
        AnswerNextBox(no, QStringLiteral("&Nein"));
        QCOMPARE(messages.AskYesNoCancel("?"), keldo::SaveAnswer::No);
    }

    void waitCursorGivesWayWhileAsking()
    {
        keldo::QtMessageBox messages;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        SeenBox seen;
        AnswerNextBox(seen, QStringLiteral("OK"));
        messages.Show("Berechnung abgeschlossen");
        QCOMPARE(seen.cursor, Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QApplication::restoreOverrideCursor();
    }
};

QTEST_MAIN(QtMessageBoxQTest)
#include "QtMessageBoxQTest.moc"
