#pragma once
// A panel with a centred caption that reacts to a click, as the windows'
// clickable panels do. A "&" in the caption is not shown (panels have no
// keyboard shortcut). A disabled panel takes no clicks. Panels take no focus
// unless their window gives them a focus policy; one that has the focus is
// pressed with Space, as a button is.
#include <QLabel>
#include <functional>

namespace plattform {

class Klickpanel : public QLabel {
    Q_OBJECT
public:
    Klickpanel(QWidget *foeraelder, const QString &namn, const QString &caption, const QRect &ram);
    void saettCaption(const QString &caption);
    const QString &caption() const { return m_caption; }
    std::function<void()> OnClick;   // the handler; windows set it, never a signal
protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
private:
    QString m_caption;
    bool m_nere = false;
};

} // namespace plattform
