#pragma once

#include <QLabel>

// A one-line label for a path or a file name: the text is always plain, and
// a text wider than the label is cut in the middle, so that both its start
// and its end stay readable; the whole text is then its tooltip.
class TElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TElidedLabel(const QString& text, QWidget* parent = nullptr);

    // The text as painted at the label's current width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
