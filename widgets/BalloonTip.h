// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QTimer;

// A balloon tip: a small window with an icon, a bold title and a text, whose
// tail points at a spot of another window. It takes no input: clicks pass
// through it. It hides after a few seconds or at the next mouse press
// anywhere in the program. One object is made and shown again as needed.
// Screen readers hear it as an alert named by its title and text.
class TBalloonTip : public QWidget
{
    Q_OBJECT

public:
    // The tooltip icons' numbers.
    enum TIcon
    {
        tiNone = 0,
        tiInfo = 1,
        tiWarning = 2,
        tiError = 3
    };

    static constexpr int ShowMilliseconds = 5000;

    explicit TBalloonTip(QWidget* parent = nullptr);

    // Shows the tip with its tail at `globalPos`.
    void ShowTip(const QPoint& globalPos, TIcon icon, const QString& title, const QString& text);

    QString Title() const { return FTitle; }
    QString Text() const { return FText; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    QRect BodyRect() const;

    TIcon FIcon = tiNone;
    QString FTitle;
    QString FText;
    QTimer* FHideTimer;
};
