// Every underlined letter leads to one place: in each menu, and among what a
// window shows at one time (buttons, labelled fields, group boxes, tabs, the
// menu bar), no letter is taken twice. The test walks the program's windows
// and dialogs as the user opens them and reads the letters off the widgets,
// every tab of each in turn, so that a tab or button added later is checked
// too.
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

#include "ProgramWindows.h"
#include "RecordingMessageBox.h"

namespace {

// The letter a text underlines ("Ö&ffnen..." gives F), or a null QChar.
QChar Mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

// Collects the letters of one place and the texts that clash there.
class LetterTally {
public:
    explicit LetterTally(QString place) : m_place(std::move(place)) {}
    void Add(const QString& text)
    {
        const QChar letter = Mnemonic(text);
        if (letter.isNull())
            return;
        auto [it, fresh] = m_owners.emplace(letter, text);
        if (!fresh)
            m_clashes << QStringLiteral("%1: \"%2\" und \"%3\" (%4)").arg(m_place, it->second, text, letter);
    }
    const QStringList& Clashes() const { return m_clashes; }

private:
    QString m_place;
    std::map<QChar, QString> m_owners;
    QStringList m_clashes;
};

// The letters of what `window` shows now: hidden tab pages do not count.
QStringList ShownClashes(QWidget* window, const QString& place)
{
    LetterTally tally(place);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            tally.Add(button->text());
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            tally.Add(label->text());
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            tally.Add(box->title());
        else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i)
                tally.Add(bar->tabText(i));
        } else if (auto* menus = qobject_cast<QMenuBar*>(w)) {
            for (QAction* menu : menus->actions())
                tally.Add(menu->text());
        }
    }
    return tally.Clashes();
}

// Every menu of `window` (menu bar, context menus) on its own, then what it
// shows with each page of each tab widget in front.
QStringList WindowClashes(QWidget* window)
{
    const QString name = window->windowTitle().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                                          : window->windowTitle();
    QStringList clashes;
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        LetterTally tally(name + QStringLiteral(", Menü ") + menu->title());
        for (QAction* action : menu->actions())
            tally.Add(action->text());
        clashes << tally.Clashes();
    }
    clashes << ShownClashes(window, name);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        if (tabs->window() != window)
            continue;
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            clashes << ShownClashes(window, name + QStringLiteral(", Reiter ") + tabs->tabText(i));
        }
        tabs->setCurrentIndex(current);
    }
    clashes.removeDuplicates();
    return clashes;
}

} // namespace

class MnemonicsQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    RecordingMessageBox messages;

private slots:
    void initTestCase() { IsolateSettings(dir.filePath("settings")); }

    void everyWindowAndMenuHasUniqueLetters()
    {
        ClearSettings();
        std::unique_ptr<CKeldoApp> app = ProgramWithExample(&messages);
        QVERIFY(app);
        QStringList clashes;
        int windows = 0;
        VisitProgramWindows(*app, messages, [&](QWidget* window) {
            ++windows;
            clashes << WindowClashes(window);
        });
        QVERIFY(windows >= 10);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(MnemonicsQTest)
#include "MnemonicsQTest.moc"
