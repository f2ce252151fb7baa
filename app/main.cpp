#include "app/Main.h"
#include "platform/DesktopPlatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    DesktopPlatform platform;
    TMainForm form(QApplication::applicationDirPath() + "/", platform, {});
    form.show();
    return app.exec();
}
