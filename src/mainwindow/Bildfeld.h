#pragma once

#include <QLabel>

// A picture that reacts to a click of the left mouse button.
class Bildfeld : public QLabel {
    Q_OBJECT

public:
    explicit Bildfeld(QWidget *parent = nullptr);

signals:
    void geklickt();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
