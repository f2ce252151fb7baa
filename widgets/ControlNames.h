// SPDX-License-Identifier: GPL-3.0-or-later
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

// A label that names `buddy`: focus follows its accelerator, and the label
// is the buddy's "labelled by". A control is spoken by the caption's text; a
// value label keeps speaking its value, which follows its text as it
// changes, and reaches its caption through that relation.
inline QLabel* CaptionFor(QWidget* buddy, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    if (!qobject_cast<QLabel*>(buddy))
        buddy->setAccessibleName(Spoken(caption).remove(QLatin1Char(':')));
    return label;
}

// A label that shows a value (a time, a file, a percent) with no caption
// beside it: `about` says what the value is, as its description. A screen
// reader must hear the value itself, so it gets no spoken name of its own.
inline QLabel* ValueLabel(QLabel* label, const char* name, const QString& about)
{
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleDescription(about);
    return label;
}
