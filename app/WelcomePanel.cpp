// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WelcomePanel.h"

#include "app/LinkLabel.h"
#include "platform/Product.h"
#include "widgets/AppIcons.h"
#include "widgets/ControlNames.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

namespace {

constexpr QRect PanelPlace(11, 1, 568, 350);

const char* const Context = "WelcomePanel";
const char* const GettingStart = QT_TRANSLATE_NOOP("WelcomePanel", "Getting Start:");
const char* const Steps[] = {
    QT_TRANSLATE_NOOP("WelcomePanel", "1. Add multiple videos to the Task List."),
    QT_TRANSLATE_NOOP("WelcomePanel", "2. Select a profile and output path."),
    QT_TRANSLATE_NOOP("WelcomePanel", "3. Click on the \"Start\" button."),
};

QLabel* TextLabel(QWidget* parent, const QString& text, const QRect& place, int pixelSize,
                  bool bold, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(text);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    label->setGeometry(place);
    return label;
}

} // namespace

WelcomePanelControls BuildWelcomePanel(QWidget* panMain)
{
    WelcomePanelControls controls;
    auto* panel =
        Named(new QFrame(panMain), "panbg", QCoreApplication::translate("WelcomePanel", "Welcome"));
    panel->setGeometry(PanelPlace);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    controls.panbg = panel;

    auto* name = Named(new QLabel(panel), "labProgramName", ProductTitle);
    QFont title;
    title.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    title.setPixelSize(31);
    title.setBold(true);
    name->setFont(title);
    QPalette titleColours = name->palette();
    titleColours.setColor(QPalette::WindowText, QColor(36, 84, 160));
    name->setPalette(titleColours);
    name->setGeometry(24, 22, 530, 44);
    controls.labProgramName = name;

    const QColor heading(50, 56, 66);
    const QColor body(86, 94, 106);
    TextLabel(panel, QCoreApplication::translate(Context, GettingStart), QRect(28, 96, 300, 24), 16,
              true, heading);
    int top = 132;
    for (const char* step : Steps) {
        TextLabel(panel, QCoreApplication::translate(Context, step), QRect(40, top, 300, 22), 13,
                  false, body);
        top += 30;
    }

    auto* picture = new QLabel(panel);
    picture->setPixmap(WelcomePicture());
    picture->setGeometry(348, 92, 200, 150);
    //: A screen reader's name of the welcome panel's picture
    picture->setAccessibleName(QCoreApplication::translate("WelcomePanel", "Picture"));

    auto* separator = new QFrame(panel);
    separator->setFrameShape(QFrame::HLine);
    separator->setGeometry(24, 292, 520, 1);
    QPalette line = separator->palette();
    line.setColor(QPalette::WindowText, QColor(232, 234, 238));
    separator->setPalette(line);
    separator->setFrameShadow(QFrame::Plain);

    auto* link = Named(new TLinkLabel(QString(), panel), "labLink", QString());
    link->setGeometry(24, 306, 520, 22);
    controls.labLink = link;
    return controls;
}
