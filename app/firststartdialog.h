#pragma once

#include <QDialog>

class FirstStart;
class QLabel;
class QLineEdit;

// Offers to create the two databases with a first operator. Create keeps the
// dialog open with the reason when the files could not be made; Cancel
// creates nothing.
class FirstStartDialog : public QDialog
{
    Q_OBJECT

public:
    FirstStartDialog(FirstStart& start, QWidget* parent = nullptr);

private:
    void create();

    FirstStart& m_start;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_pin = nullptr;
    QLineEdit* m_again = nullptr;
    QLabel* m_problem = nullptr;
};
