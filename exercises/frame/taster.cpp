#include "exercises/frame/taster.h"

#include "platform/seams.h"

#include <QMouseEvent>
#include <QPainter>

TAster::TAster(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Aster1"));
    m_q = AsterModell::rutstorlek(plattform::skaermstorlek().height());
    resize(m_modell.MaxAntalRutor() * m_q, m_q);
}

void TAster::setRutNummer(int n)
{
    n = std::clamp(n, 0, 255);
    if (n == m_modell.RutNummer())
        return;
    m_modell.saettRutNummer(Byte(n));
    update();
}

void TAster::setRatt(bool raett)
{
    m_modell.saettRatt(raett);
    if (!raett)
        update();
}

void TAster::setVisa(bool v)
{
    if (v == m_modell.Visa())
        return;
    m_modell.saettVisa(v);
    update();
}

void TAster::setStarta(bool v)
{
    m_modell.saettStarta(v);
    update();
}

void TAster::setMaxAntalRutor(int n)
{
    if (n < 0 || n > 255)
        qWarning("TAster: %d squares, kept to 0..255", n);
    n = std::clamp(n, 0, 255);
    if (n == m_modell.MaxAntalRutor())
        return;
    m_modell.saettMaxAntalRutor(Byte(n));
    update();
}

void TAster::setAsterColor(const QColor &c)
{
    const quint32 rgb = c.rgb() & 0xFFFFFF;
    if (rgb == m_modell.AsterColor())
        return;
    m_modell.saettAsterColor(rgb);
    update();
}

void TAster::setBrush(const QBrush &b)
{
    m_brush = b;
    StyleChanged();
}

void TAster::setPen(const QPen &p)
{
    m_pen = p;
    StyleChanged();
}

void TAster::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    auto faerg = [](quint32 rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); };
    for (const AsterModell::Ritsteg &s : m_modell.ritning(width(), m_q)) {
        switch (s.slag) {
        case AsterModell::Ritsteg::Fyll:
            p.fillRect(s.rekt, faerg(s.faerg));
            break;
        case AsterModell::Ritsteg::Triangel:
            p.setPen(faerg(s.penna));
            p.setBrush(faerg(s.faerg));
            p.drawPolygon(s.punkter.data(), 3);
            break;
        case AsterModell::Ritsteg::Ram:
            p.setPen(faerg(s.penna));
            p.setBrush(Qt::NoBrush);
            p.drawRect(s.rekt.adjusted(0, 0, -1, -1));
            break;
        }
    }
}

void TAster::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(e);
}
