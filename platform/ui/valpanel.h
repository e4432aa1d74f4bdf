#pragma once
// A choice panel: a word on a raised light-green panel that turns yellow and
// sunken while it is the chosen one. It reports the pointer moving over it
// and the button pressed on it (left or right), and keeps both events to
// itself. A disabled panel reports no press.
#include <QLabel>
#include <functional>

namespace plattform {

class Valpanel : public QLabel {
    Q_OBJECT
public:
    Valpanel(QWidget *foeraelder, const QString &namn);
    std::function<void()> OnMouseMove;
    std::function<void(Qt::MouseButton)> OnMouseDown;
    void saettUtseende(bool vald);
protected:
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};

} // namespace plattform
