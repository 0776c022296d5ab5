#include "AboutDlg.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Info über Keldo"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/keldo.svg")).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* text = new QVBoxLayout;
    auto* name = new QLabel(QStringLiteral("Keldo, Version 2.0"), this);
    name->setObjectName(QStringLiteral("Version"));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    text->addWidget(name);
    text->addSpacing(8);
    // The maker, its address, telephone and web address.
    const char* maker[] = {
        "Arbeitsgruppe Lagerstättenphysik",
        "Am Bohrturm 7",
        "12345 Musterstadt",
        "Telefon: 01234 / 56 78 90",
        "www.example.org/keldo",
    };
    for (const char* line : maker) {
        auto* label = new QLabel(QString::fromUtf8(line), this);
        label->setObjectName(QStringLiteral("Maker"));
        text->addWidget(label);
    }
    text->addStretch();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0);
    layout->addLayout(text, 0, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    setFixedSize(sizeHint());
}
