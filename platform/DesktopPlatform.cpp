// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopPlatform.h"

#include "platform/MimeApps.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QMimeType>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <QVariantMap>

namespace {

QMessageBox::Icon ToQtIcon(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::Information:
        return QMessageBox::Information;
    case Platform::Icon::Question:
        return QMessageBox::Question;
    case Platform::Icon::Warning:
        return QMessageBox::Warning;
    case Platform::Icon::Error:
        return QMessageBox::Critical;
    case Platform::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QWidget* OwnerOrActive(QWidget* owner)
{
    return owner ? owner : QApplication::activeWindow();
}

// The focus goes back where the user left it, not to the window's first control.
int ExecKeepingFocus(QMessageBox& box)
{
    const QPointer<QWidget> focus = QApplication::focusWidget();
    const int result = box.exec();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    return result;
}

// A question that tells a pick from a dismissal: the toolkit answers Escape
// and the close box with the escape button, as if it had been clicked.
class TQuestionBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;
    bool Dismissed = false;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel))
            Dismissed = true;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (!clickedButton())
            Dismissed = true;
        QMessageBox::closeEvent(event);
    }
};

} // namespace

Platform::Answer DesktopPlatform::MessageBox(QWidget* owner, const QString& text,
                                             const QString& title, Icon icon, Buttons buttons)
{
    QMessageBox box(ToQtIcon(icon), title, text,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                              : QMessageBox::Ok,
                    OwnerOrActive(owner));
    const int result = ExecKeepingFocus(box);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

int DesktopPlatform::Choose(QWidget* owner, const QString& text, const QString& title,
                            const QStringList& answers)
{
    TQuestionBox box(QMessageBox::Question, title, text, QMessageBox::NoButton,
                     OwnerOrActive(owner));
    QList<QAbstractButton*> buttons;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const bool last = i + 1 == answers.size();
        buttons << box.addButton(answers[i], i == 0 ? QMessageBox::AcceptRole
                                             : last ? QMessageBox::RejectRole
                                                    : QMessageBox::ActionRole);
    }
    if (buttons.isEmpty())
        return -1;
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.setEscapeButton(buttons.last());
    ExecKeepingFocus(box);
    // No button at all when the program ended the question's loop.
    return box.Dismissed ? -1 : int(buttons.indexOf(box.clickedButton()));
}

void DesktopPlatform::ShowMessage(const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                             text);
}

void DesktopPlatform::ShowError(const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                          text);
}

QStringList DesktopPlatform::OpenFiles(QWidget* owner, const QStringList& filters)
{
    QFileDialog dialog(owner);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString DesktopPlatform::SaveFile(QWidget* owner, const QString& title, const QString& directory,
                                  const QStringList& filters, const QString& defaultExt)
{
    QFileDialog dialog(owner, title, directory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // As the Windows save dialog without its prompt flag: a file that is
    // there is replaced without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(filters);
    QString suffix = defaultExt;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool DesktopPlatform::BrowseForFolder(QWidget* owner, const QString& title, QString& dir)
{
    const QString start = QFileInfo(dir).isDir() ? dir : QString();
    const QString picked = QFileDialog::getExistingDirectory(owner, title, start);
    if (picked.isEmpty())
        return false;
    dir = picked;
    return true;
}

bool DesktopPlatform::ShellOpen(const QString& target)
{
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
    return QDesktopServices::openUrl(url);
}

QString DesktopPlatform::DefaultApplication(const QString& mimeType)
{
    // Handlers register under any of a type's names: CHM viewers, for one,
    // often under an older alias only.
    QStringList names{mimeType};
    const QMimeType type = QMimeDatabase().mimeTypeForName(mimeType);
    if (type.isValid())
        names << type.name() << type.aliases();
    names.removeDuplicates();
    std::vector<std::string> types;
    for (const QString& name : names)
        types.push_back(name.toStdString());

    const auto env = [](const char* name) {
        return qEnvironmentVariable(name).toStdString();
    };
    const MimeAppsPlaces places = SessionMimeAppsPlaces(
        env("HOME"), env("XDG_CONFIG_HOME"), env("XDG_CONFIG_DIRS"), env("XDG_DATA_HOME"),
        env("XDG_DATA_DIRS"), env("XDG_CURRENT_DESKTOP"), env("PATH"));
    return QString::fromStdString(DefaultDesktopEntry(types, places));
}

void DesktopPlatform::PowerOff()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << false; // no interactive authentication
    QDBusConnection::systemBus().call(call, QDBus::NoBlock);
}

void DesktopPlatform::Notify(const QString& title, const QString& text)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // Application, no notification to replace, the program's icon by its
    // installed name, summary, body, no actions, no hints, the server's
    // own timeout.
    call << QApplication::applicationDisplayName() << 0u << QStringLiteral("quenby") << title
         << text << QStringList() << QVariantMap() << -1;
    // Not waited for: without a service the call fails on the bus alone.
    bus.send(call);
}
