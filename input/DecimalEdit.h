#pragma once
#include <QLineEdit>

// A number field of the program's windows: shows its value with a decimal
// point whatever the locale, takes a point or a comma, and drops nothing the
// user typed. A text it cannot take stays as typed; the caller asks Value()
// when the number is used and marks the field (SetMarked) when it refuses it.
class CDecimalEdit : public QLineEdit {
    Q_OBJECT
public:
    CDecimalEdit(double value, int decimals, QWidget* parent = nullptr);

    void SetValue(double value);
    // False when the text is not one number.
    bool Value(double& value) const;
    // Marks the field as refused until the user changes it.
    void SetMarked(bool marked);

private:
    int m_decimals;
};
