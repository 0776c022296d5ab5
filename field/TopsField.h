#pragma once
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The study's optional tops file: a path typed or chosen with "...". With
// one, the study computes the zones between the tops of each well.
class CTopsField : public QWidget {
    Q_OBJECT
public:
    explicit CTopsField(QWidget* parent = nullptr);

    // The path as typed, trimmed; empty: no zones.
    QString Path() const;
    void SetPath(const QString& path);

    // Asks for the file (replaceable: tests and automation).
    std::function<QString()> m_choose;

    QLineEdit* Edit() const { return m_pEdit; }
    QPushButton* ChooseButton() const { return m_pChoose; }

signals:
    void pathChanged();

private:
    QLineEdit* m_pEdit;
    QPushButton* m_pChoose;
};
