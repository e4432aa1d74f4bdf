#pragma once
// Controls the windows are described with that Qt has no direct match for:
// an up/down arrow pair, a filled figure, a picture area that loads a
// bitmap file and reports the mouse moving over it, a gauge, a paint box and
// a password field.
#include <QColor>
#include <QLabel>
#include <QWidget>
#include <functional>

class QLineEdit;
class QPainter;
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

// A bar that fills from the left with the progress between the minimum and
// the maximum, the percentage written in it. Progress outside the range is
// kept to it, so one step past the maximum (the top reached) shows full.
class Maetare : public QWidget {
    Q_OBJECT
public:
    Maetare(QWidget *foeraelder, const QString &namn, const QRect &ram);
    void saettMin(int v);
    void saettMax(int v);
    void saettProgress(int v);
    int progress() const { return m_progress; }
    int procent() const;
    QColor foerg = Qt::black;          // ForeColor: the filled part
protected:
    void paintEvent(QPaintEvent *e) override;
private:
    int m_min = 0;
    int m_max = 100;
    int m_progress = 0;
};

// A surface the window draws on itself whenever it is painted.
class Ritruta : public QWidget {
    Q_OBJECT
public:
    Ritruta(QWidget *foeraelder, const QString &namn, const QRect &ram);
    std::function<void(QPainter &)> OnPaint;
protected:
    void paintEvent(QPaintEvent *e) override;
};

// An entry field that shows "*" for every character typed.
QLineEdit *losenordsruta(QWidget *foeraelder, const QString &namn, const QRect &ram, int maxLaengd = 0);

} // namespace plattform
