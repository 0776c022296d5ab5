#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "CommandIds.h"
#include "RecentFileList.h"
#include "StringTable.h"

using namespace keldo;
using namespace keldo::cmd;

TEST(StringTable, PromptBeforeAndToolTipAfterTheLineBreak)
{
    EXPECT_EQ(CommandPrompt(ID_FILE_NEW), "Erstellt ein neues Dokument.");
    EXPECT_EQ(CommandToolTip(ID_FILE_NEW), "Neu");
    // The trailing blank of the graph prompt is part of the text.
    EXPECT_EQ(CommandPrompt(ID_GRAFIK), "Zeigt die Ergebnisse als Grafik an ");
    EXPECT_EQ(CommandToolTip(ID_GRAFIKLUPE), "Grafik lupe");
    EXPECT_EQ(CommandPrompt(ID_APP_EXIT), "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.");
}

TEST(StringTable, EntriesWithoutToolTipOrWithoutEntry)
{
    EXPECT_EQ(CommandPrompt(ID_HILFE), "Online-Hilfe");
    EXPECT_EQ(CommandToolTip(ID_HILFE), "");
    EXPECT_EQ(CommandPrompt(ID_ERGEBNISSE_AUSGEBEN), "Schreibt die Ergebnisse in die Datei AUS.TXT");
    // "Ergebnisse einlesen" shows no prompt; its text sits under 32779.
    EXPECT_EQ(CommandPrompt(ID_ERGEBNISSE_EINLESEN), "");
    EXPECT_EQ(CommandPrompt(ID_ERGEBNISSE_EINLESEN_PROMPT), "Liest die Datei AUS.TXT ein");
}

TEST(StringTable, RecentFileEntriesShareOnePrompt)
{
    for (int id = ID_FILE_MRU_FILE1; id < ID_FILE_MRU_FILE1 + 16; ++id)
        EXPECT_EQ(CommandPrompt(id), "Öffnet dieses Dokument.") << id;
    EXPECT_EQ(CommandPrompt(ID_FILE_MRU_FILE1 + 16), "");
}

TEST(RecentFileList, NewestFirstAtMostFourWithoutDuplicates)
{
    CRecentFileList list;
    for (const char* name : {"/a/1.kld", "/a/2.kld", "/a/3.kld", "/a/4.kld", "/a/5.kld"})
        list.Add(QString::fromLatin1(name));
    EXPECT_EQ(list.Files(), (QStringList{"/a/5.kld", "/a/4.kld", "/a/3.kld", "/a/2.kld"}));

    list.Add(QStringLiteral("/a/./3.kld")); // the same file, written differently
    EXPECT_EQ(list.Files(), (QStringList{"/a/3.kld", "/a/5.kld", "/a/4.kld", "/a/2.kld"}));

    list.Remove(QStringLiteral("/a/5.kld"));
    EXPECT_EQ(list.Files(), (QStringList{"/a/3.kld", "/a/4.kld", "/a/2.kld"}));
}

TEST(RecentFileList, MenuTextIsNumberedAndKeepsAmpersands)
{
    CRecentFileList list;
    list.Add(QStringLiteral("/daten/Öl & Gas.kld"));
    EXPECT_EQ(list.MenuText(0), QStringLiteral("&1 /daten/Öl && Gas.kld"));

    list.Add(QStringLiteral("/ein/sehr/langer/pfad/mit/vielen/ordnern/bis/zur/bohrung/f12.kld"));
    QString text = list.MenuText(0);
    EXPECT_TRUE(text.startsWith(QStringLiteral("&1 "))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("/f12.kld"))) << text.toStdString();
    EXPECT_LE(text.size(), 3 + 48);
}

TEST(RecentFileList, SurvivesInTheSettings)
{
    QTemporaryDir dir;
    QString file = dir.filePath("keldo.ini");
    CRecentFileList saved;
    saved.Add(QStringLiteral("/b/alt.kld"));
    saved.Add(QStringLiteral("/b/neu.kld"));
    {
        QSettings settings(file, QSettings::IniFormat);
        saved.Save(settings);
    }
    QSettings settings(file, QSettings::IniFormat);
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), QStringLiteral("/b/neu.kld"));
    CRecentFileList loaded;
    loaded.Load(settings);
    EXPECT_EQ(loaded.Files(), saved.Files());
}
