#pragma once
// Controls the windows are described with that Qt has no direct match for:
// an up/down arrow pair, a filled figure, and a picture area that loads a
// bitmap file and reports the mouse moving over it.
#include <QColor>
#include <QLabel>
#include <QWidget>
#include <functional>

class QToolButton;

namespace plattform {

// Two stacked arrow buttons (up above down); each click calls its handler.
class Spinknapp : public QWidget {
    Q_OBJECT
public:
    Spinknapp(QWidget *foeraelder, const QString &namn, const QRect &ram);
    std::function<void()> OnUpClick;
    std::function<void()> OnDownClick;
    QToolButton *upp() const { return m_upp; }
    QToolButton *ned() const { return m_ned; }
protected:
    void resizeEvent(QResizeEvent *e) override;
private:
    QToolButton *m_upp;
    QToolButton *m_ned;
};

// A filled figure with a black outline.
class Figur : public QWidget {
    Q_OBJECT
public:
    enum class Form { Rektangel, RundadRektangel, Ellips, Cirkel };
    Figur(QWidget *foeraelder, const QString &namn, const QRect &ram, Form form,
          const QColor &fyllning);
    void saettFyllning(const QColor &c);
    QColor fyllning() const { return m_fyllning; }
    Form form() const { return m_form; }
protected:
    void paintEvent(QPaintEvent *e) override;
private:
    Form m_form;
    QColor m_fyllning;
};

// A picture area. With autoSize it takes the size of its bitmap (as the
// program's picture controls do); otherwise the picture is drawn centred,
// or stretched to the frame.
class Bildruta : public QLabel {
    Q_OBJECT
public:
    Bildruta(QWidget *foeraelder, const QString &namn, const QRect &ram);
    void saettAutoSize(bool paa) { m_autoSize = paa; }
    void saettStretch(bool paa);
    // Loads a bitmap from a real path; false (and no picture) when it fails.
    bool laddaFil(const QString &riktigSoekvaeg);
    void saettBild(const QPixmap &bild);
    bool harBild() const { return !m_bild.isNull(); }
    // Called with the position for every mouse move over the picture.
    std::function<void(const QPoint &)> OnMouseMove;
protected:
    void mouseMoveEvent(QMouseEvent *e) override;
private:
    QPixmap m_bild;
    bool m_autoSize = false;
};

} // namespace plattform
