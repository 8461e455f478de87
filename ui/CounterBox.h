#pragma once

#include <QFont>
#include <QLineEdit>

// The move counter's text box. Its number is always shown whole: where the
// digits are wider than the box at the box's own font size, they are drawn in
// the largest size of the same font that fits. The box keeps its size.
class CounterBox : public QLineEdit {
    Q_OBJECT

public:
    // font: the box's own, sized in pixels.
    CounterBox(const QString &text, const QFont &font, QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitText();
    int textRoom() const;

    QFont font_;
};
