#include "DecimalEdit.h"

#include "DecimalNumber.h"
#include "TextFormat.h"

CDecimalEdit::CDecimalEdit(double value, int decimals, QWidget* parent) : QLineEdit(parent), m_decimals(decimals)
{
    SetValue(value);
    connect(this, &QLineEdit::textEdited, this, [this] { SetMarked(false); });
}

void CDecimalEdit::SetValue(double value)
{
    setText(QString::fromStdString(keldo::Format("%.*f", m_decimals, value)));
    SetMarked(false);
}

bool CDecimalEdit::Value(double& value) const
{
    return keldo::ParseNumberCell(text().trimmed().toStdString(), keldo::DecimalMark::PointOrComma, value);
}

void CDecimalEdit::SetMarked(bool marked)
{
    setStyleSheet(marked ? QStringLiteral("QLineEdit { background: #ffd0d0; }") : QString());
    setProperty("refused", marked);
}
