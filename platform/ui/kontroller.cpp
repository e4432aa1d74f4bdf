#include "platform/ui/kontroller.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace plattform {

Spinknapp::Spinknapp(QWidget *foeraelder, const QString &namn, const QRect &ram)
    : QWidget(foeraelder), m_upp(new QToolButton(this)), m_ned(new QToolButton(this))
{
    setObjectName(namn);
    m_upp->setObjectName(namn + QStringLiteral("Upp"));
    m_ned->setObjectName(namn + QStringLiteral("Ned"));
    m_upp->setArrowType(Qt::UpArrow);
    m_ned->setArrowType(Qt::DownArrow);
    m_upp->setFocusPolicy(Qt::NoFocus);
    m_ned->setFocusPolicy(Qt::NoFocus);
    connect(m_upp, &QToolButton::clicked, this, [this] { if (OnUpClick) OnUpClick(); });
    connect(m_ned, &QToolButton::clicked, this, [this] { if (OnDownClick) OnDownClick(); });
    setGeometry(ram);
}

void Spinknapp::resizeEvent(QResizeEvent *)
{
    const int halv = height() / 2;
    m_upp->setGeometry(0, 0, width(), halv);
    m_ned->setGeometry(0, halv, width(), height() - halv);
}

Figur::Figur(QWidget *foeraelder, const QString &namn, const QRect &ram, Form form,
             const QColor &fyllning)
    : QWidget(foeraelder), m_form(form), m_fyllning(fyllning)
{
    setObjectName(namn);
    setGeometry(ram);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void Figur::saettFyllning(const QColor &c)
{
    m_fyllning = c;
    update();
}

void Figur::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, m_form != Form::Rektangel);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_fyllning);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (m_form) {
    case Form::Rektangel: p.drawRect(r); break;
    case Form::RundadRektangel: {
        const qreal hoern = std::min(r.width(), r.height()) / 4;
        p.drawRoundedRect(r, hoern, hoern);
        break;
    }
    case Form::Ellips: p.drawEllipse(r); break;
    case Form::Cirkel: {
        const qreal d = std::min(r.width(), r.height());
        p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
        break;
    }
    }
}

Bildruta::Bildruta(QWidget *foeraelder, const QString &namn, const QRect &ram)
    : QLabel(foeraelder)
{
    setObjectName(namn);
    setGeometry(ram);
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
}

void Bildruta::saettStretch(bool paa) { setScaledContents(paa); }

bool Bildruta::laddaFil(const QString &riktigSoekvaeg)
{
    QPixmap bild;
    if (!bild.load(riktigSoekvaeg)) {
        m_bild = QPixmap();
        clear();
        return false;
    }
    saettBild(bild);
    return true;
}

void Bildruta::saettBild(const QPixmap &bild)
{
    m_bild = bild;
    setPixmap(bild);
    if (m_autoSize && !bild.isNull())
        resize(bild.size());
}

void Bildruta::mouseMoveEvent(QMouseEvent *e)
{
    if (OnMouseMove)
        OnMouseMove(e->position().toPoint());
    e->accept();
}

} // namespace plattform
