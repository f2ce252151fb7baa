#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The custom size dialog: the user types an output frame size that the
// loaded profile does not list. Created once at start-up, then only shown
// and hidden.
class TSizeForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSizeForm(QWidget* parent = nullptr);

    QLineEdit* edtWidth = nullptr;
    QLineEdit* edtHeight = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};
