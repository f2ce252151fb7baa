#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

// Every control carries its program name as objectName, so that tests and UI
// automation find it, and a spoken name for screen readers (AT-SPI).
template <class Widget> Widget* Named(Widget* widget, const char* name, const QString& spoken)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(spoken);
    return widget;
}

// A caption without its "&" accelerator marker, as a screen reader says it.
inline QString Spoken(const QString& caption)
{
    QString text = caption;
    return text.remove(QLatin1Char('&'));
}

// A label that names `buddy`: focus follows its accelerator, and the buddy
// is spoken by the label's text.
inline QLabel* CaptionFor(QWidget* buddy, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(Spoken(caption).remove(QLatin1Char(':')));
    return label;
}
