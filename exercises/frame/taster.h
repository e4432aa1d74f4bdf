#pragma once
// The progress-squares control: a column of squares, one per item of the
// round, painted from its model (core/aster.h). Painting has no effects.
#include "core/aster.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QWidget>

class TAster : public QWidget {
    Q_OBJECT
public:
    explicit TAster(QWidget *parent = nullptr);

    // The control's properties. Each write asks for an update; the windows
    // call repaint() (or update()) after their changes.
    int RutNummer() const { return m_modell.RutNummer(); }
    void setRutNummer(int n);
    void setRatt(bool raett);
    bool Visa() const { return m_modell.Visa(); }
    void setVisa(bool v);
    void setStarta(bool v);
    int MaxAntalRutor() const { return m_modell.MaxAntalRutor(); }
    void setMaxAntalRutor(int n);   // 0..255
    QColor AsterColor() const { return QColor::fromRgb(QRgb(m_modell.AsterColor())); }
    void setAsterColor(const QColor &c);
    const QBrush &Brush() const { return m_brush; }
    void setBrush(const QBrush &b);
    const QPen &Pen() const { return m_pen; }
    void setPen(const QPen &p);

    // The height of one square, from the screen height at creation.
    int rutstorlek() const { return m_q; }
    const AsterModell &modell() const { return m_modell; }

signals:
    void clicked();   // OnClick

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void StyleChanged() { update(); }

    AsterModell m_modell;
    int m_q = 38;
    QBrush m_brush{Qt::white};
    QPen m_pen{Qt::black};
};
