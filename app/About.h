#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TLinkLabel;
class TMainForm;

// The About box: the product, its version and the maker's link. It is shown
// without a modal loop; the main window takes no input while it is up.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(TMainForm& mainForm, QWidget* parent = nullptr);

    // Shows the box centred on the main window and disables the main window
    // until the box is closed.
    void ShowAbout();

    QLabel* labTitle = nullptr;
    QLabel* labVersion = nullptr;
    TLinkLabel* labLink = nullptr;
    QPushButton* btnOK = nullptr;

    void done(int result) override;

private:
    TMainForm& FMainForm;
};
