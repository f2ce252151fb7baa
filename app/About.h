// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class Platform;
class QLabel;
class QPushButton;
class TLinkLabel;

// The About box: the product, its version and the maker's link, which opens
// through `platform`. It is shown without a modal loop; `mainWindow`, its
// parent, takes no input while it is up.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    TAboutForm(const QString& versionText, Platform& platform, QWidget* mainWindow);

    // Shows the box centred on the main window and disables the main window
    // until the box is closed.
    void ShowAbout();

    QLabel* labTitle = nullptr;
    QLabel* labVersion = nullptr;
    TLinkLabel* labLink = nullptr;
    QPushButton* btnOK = nullptr;

    void done(int result) override;

private:
    QWidget* FMainWindow;
    QPointer<QWidget> FReturnFocus;
};
