#include "app/Main.h"

#include "platform/Platform.h"

const QString TMainForm::ProductTitle = QStringLiteral("Quenby AVI Video Converter");

TMainForm::TMainForm(const QString& appDir, Platform& platform, const QStringList& arguments,
                     QWidget* parent)
    : QMainWindow(parent), AppDir(appDir), FPlatform(platform)
{
    Q_UNUSED(arguments);
}

TMainForm::~TMainForm() = default;

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
}
void TMainForm::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
}
void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
}
void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    QMainWindow::dragEnterEvent(event);
}
void TMainForm::dropEvent(QDropEvent* event)
{
    QMainWindow::dropEvent(event);
}
