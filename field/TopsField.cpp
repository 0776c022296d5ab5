#include "TopsField.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "FileDialogFolder.h"

CTopsField::CTopsField(QWidget* parent) : QWidget(parent)
{
    auto* label = new QLabel(QStringLiteral("For&mationsgrenzen (optional):"), this);
    m_pEdit = new QLineEdit(this);
    m_pEdit->setObjectName(QStringLiteral("Formationsgrenzen"));
    m_pEdit->setClearButtonEnabled(true);
    m_pEdit->setPlaceholderText(QStringLiteral("keine: ohne Zonen"));
    const QString hint = QStringLiteral("CSV mit den Spalten well, surface, depth und reference: je Bohrung die "
                                        "Zonen zwischen ihren Formationsgrenzen");
    m_pEdit->setToolTip(hint);
    label->setBuddy(m_pEdit);
    m_pChoose = new QPushButton(QStringLiteral("..."), this);
    m_pChoose->setAutoDefault(false);
    m_pChoose->setToolTip(QStringLiteral("Datei der Formationsgrenzen wählen"));
    m_pChoose->setAccessibleName(QStringLiteral("Formationsgrenzen wählen"));
    m_choose = [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Formationsgrenzen wählen"),
            keldo::StartFolder(QString()), QStringLiteral("Formationsgrenzen (*.csv *.txt);;Alle Dateien (*)"));
        keldo::RememberFolder(path);
        return path;
    };
    connect(m_pChoose, &QPushButton::clicked, this, [this] {
        const QString path = m_choose();
        if (!path.isEmpty()) {
            SetPath(path);
            m_pEdit->setFocus();
        }
    });
    connect(m_pEdit, &QLineEdit::textChanged, this, [this, hint] {
        m_pEdit->setToolTip(m_pEdit->text().isEmpty() ? hint : m_pEdit->text());
        emit pathChanged();
    });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_pEdit, 1);
    layout->addWidget(m_pChoose);
}

QString CTopsField::Path() const { return m_pEdit->text().trimmed(); }

void CTopsField::SetPath(const QString& path)
{
    m_pEdit->setText(path);
    // The end of a long path names the file.
    m_pEdit->setCursorPosition(static_cast<int>(m_pEdit->text().size()));
}
