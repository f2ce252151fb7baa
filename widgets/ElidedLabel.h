// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>

// A one-line label for a path or a file name: the text is always plain, and
// a text wider than the label is cut in the middle, so that both its start
// and its end stay readable; the whole text is then its tooltip.
class TElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TElidedLabel(const QString& text, QWidget* parent = nullptr);

    // Several names side by side, separated by commas. Where they do not
    // fit, each is cut in its own middle (the short ones keep their whole
    // text), so that every name stays in sight; the tooltip lists them all,
    // one a line. One name shows as setText shows it.
    void SetNames(const QStringList& names);

    // The text as painted at the label's current width.
    QString ShownText() const;
    // The tooltip the label gives now; empty for none.
    QString TipText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The names SetNames gave, while they are still the text.
    QStringList Names() const;

    QStringList FNames;
};
