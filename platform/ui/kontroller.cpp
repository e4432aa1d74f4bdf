#include "platform/ui/kontroller.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QToolButton>
#include <algorithm>

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
    // The reader of the file's own suffix first (the pictures are BMP, which
    // Qt reads itself): left to find the format alone, Qt loads every image
    // plugin to ask it. A file its suffix does not fit is read as before.
    QImageReader efterSuffix(riktigSoekvaeg, QFileInfo(riktigSoekvaeg).suffix().toLower().toLatin1());
    efterSuffix.setAutoDetectImageFormat(false);
    QPixmap bild = QPixmap::fromImageReader(&efterSuffix);
    if (bild.isNull() && !bild.load(riktigSoekvaeg)) {
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

// ---- gauge ------------------------------------------------------------------

Maetare::Maetare(QWidget *foeraelder, const QString &namn, const QRect &ram) : QWidget(foeraelder)
{
    setObjectName(namn);
    setGeometry(ram);
}

void Maetare::saettMin(int v)
{
    m_min = v;
    saettProgress(m_progress);
}

void Maetare::saettMax(int v)
{
    m_max = v;
    saettProgress(m_progress);
}

void Maetare::saettProgress(int v)
{
    m_progress = std::clamp(v, m_min, std::max(m_min, m_max));
    update();
}

int Maetare::procent() const
{
    return m_max > m_min ? (m_progress - m_min) * 100 / (m_max - m_min) : 0;
}

void Maetare::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int fylld = width() * procent() / 100;
    p.fillRect(QRect(0, 0, fylld, height()), foerg);
    const QString text = QString::number(procent()) + QLatin1Char('%');
    // The text is drawn inverted over the filled part, as a gauge does.
    p.setPen(Qt::black);
    p.setClipRect(QRect(fylld, 0, width() - fylld, height()));
    p.drawText(rect(), Qt::AlignCenter, text);
    p.setPen(Qt::white);
    p.setClipRect(QRect(0, 0, fylld, height()));
    p.drawText(rect(), Qt::AlignCenter, text);
    p.setClipping(false);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// ---- paint box --------------------------------------------------------------

Ritruta::Ritruta(QWidget *foeraelder, const QString &namn, const QRect &ram) : QWidget(foeraelder)
{
    setObjectName(namn);
    setGeometry(ram);
}

void Ritruta::paintEvent(QPaintEvent *)
{
    if (!OnPaint)
        return;
    QPainter p(this);
    OnPaint(p);
}

// ---- password field ----------------------------------------------------------

namespace {
// The window system's own bullet would differ from the described "*".
class Stjaernstil : public QProxyStyle {
public:
    int styleHint(StyleHint h, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override
    {
        if (h == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(h, o, w, r);
    }
};
} // namespace

QLineEdit *losenordsruta(QWidget *foeraelder, const QString &namn, const QRect &ram, int maxLaengd)
{
    static QPointer<Stjaernstil> stil;
    if (!stil) {
        stil = new Stjaernstil;
        stil->setParent(QCoreApplication::instance());
    }
    auto *e = new QLineEdit(foeraelder);
    e->setObjectName(namn);
    e->setGeometry(ram);
    e->setStyle(stil);
    e->setEchoMode(QLineEdit::Password);
    if (maxLaengd > 0)
        e->setMaxLength(maxLaengd);
    return e;
}

} // namespace plattform
