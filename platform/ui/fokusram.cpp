#include "platform/ui/fokusram.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace plattform {

namespace {

double luminans(const QColor &c)
{
    auto kanal = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
}

// The colour the control stands on: the first widget above it that paints
// its own background, or the window.
QColor grund(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(p->backgroundRole());
    return QApplication::palette().color(QPalette::Window);
}

// The colour the control paints itself in.
QColor yta(const QWidget *w)
{
    if (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w))
        return w->autoFillBackground() ? w->palette().color(w->backgroundRole()) : grund(w);
    if (qobject_cast<const QAbstractButton *>(w))
        return w->palette().color(QPalette::Button);
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return w->palette().color(c->isEditable() ? QPalette::Base : QPalette::Button);
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
        || qobject_cast<const QAbstractScrollArea *>(w))
        return w->palette().color(QPalette::Base);
    return w->autoFillBackground() ? w->palette().color(w->backgroundRole()) : grund(w);
}

// Fields and lists keep their text close to the edge: their ring is as wide
// as the frame it covers, so that the first letter and the text cursor stay
// clear of it.
bool textytaMedRam(const QWidget *w)
{
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return c->isEditable();
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
           || qobject_cast<const QAbstractScrollArea *>(w);
}

int inreBredd(const QWidget *w) { return textytaMedRam(w) ? FokusringInreITextfaelt : FokusringInre; }

// Where the ring goes: along the control's edge, but around the text of a
// check box or radio button, whose mark sits at its very edge.
QRect ringensRam(const QWidget *w)
{
    auto *knapp = qobject_cast<const QAbstractButton *>(w);
    const bool kryss = qobject_cast<const QCheckBox *>(w) != nullptr;
    if (!knapp || !(kryss || qobject_cast<const QRadioButton *>(w)))
        return w->rect();
    QStyleOptionButton opt;
    opt.initFrom(w);
    opt.text = knapp->text();
    opt.icon = knapp->icon();
    opt.iconSize = knapp->iconSize();
    const QRect text = w->style()->subElementRect(
        kryss ? QStyle::SE_CheckBoxFocusRect : QStyle::SE_RadioButtonFocusRect, &opt, w);
    const int b = FokusringYttre + FokusringInre;
    return text.adjusted(-b, -b, b, b).intersected(w->rect());
}

QRegion ringen(const QRect &r, int fraan, int bredd)
{
    const QRect ytter = r.adjusted(fraan, fraan, -fraan, -fraan);
    const QRect inner = ytter.adjusted(bredd, bredd, -bredd, -bredd);
    return QRegion(ytter).subtracted(QRegion(inner));
}

// The ring itself: a widget on top of the focused control, as large as it,
// that lets every mouse event through and paints only the ring.
class Fokusring : public QWidget {
public:
    explicit Fokusring(QWidget *kontroll) : QWidget(kontroll)
    {
        // "qt_" keeps the window scaler's hands off it: it follows its
        // control's size by itself.
        setObjectName(QStringLiteral("qt_fokusring"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    void foelj(QWidget *kontroll)
    {
        if (QWidget *foere = parentWidget(); foere != kontroll) {
            foere->removeEventFilter(this);
            setParent(kontroll);
        }
        kontroll->installEventFilter(this);
        passa();
        show();
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == parentWidget()) {
            if (e->type() == QEvent::Resize)
                passa();
            else if (e->type() == QEvent::ChildAdded)
                raise();   // stays above the control's own parts
        }
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        const Fokusringfaerger f = fokusringfaerger(parentWidget());
        QPainter p(this);
        for (const QRect &r : ringen(rect(), 0, FokusringYttre))
            p.fillRect(r, f.yttre);
        for (const QRect &r : ringen(rect(), FokusringYttre, inreBredd(parentWidget())))
            p.fillRect(r, f.inre);
    }

private:
    void passa()
    {
        const QRect r = ringensRam(parentWidget());
        setGeometry(r);
        setMask(ringen(rect(), 0, FokusringYttre + inreBredd(parentWidget())));
        raise();
        update();
    }
};

QPointer<Fokusring> ring;

// A window that closes hands the focus back to the modal window under it.
// Window managers do that themselves; without one (a bare X server) the
// window under would stay inactive, its controls working from the keyboard
// but none of them marked.
class Aateraktivering : public QObject {
public:
    using QObject::QObject;
protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        // Only while the program is in front: a window hidden while the
        // user is in another program leaves that program in front.
        if (e->type() == QEvent::Hide && o->isWidgetType() && static_cast<QWidget *>(o)->isWindow()
            && QGuiApplication::applicationState() == Qt::ApplicationActive)
            QTimer::singleShot(0, this, [] {
                QWidget *aktivt = QApplication::activeWindow();
                if (aktivt && aktivt->isVisible())
                    return;
                if (QWidget *under = QApplication::activeModalWidget(); under && under->isVisible())
                    under->activateWindow();
            });
        return false;
    }
};

void fokusBytt(QWidget *, QWidget *nu)
{
    QWidget *kontroll = fokusringensKontroll(nu);
    if (!kontroll) {
        if (ring)
            ring->hide();
        return;
    }
    // The ring goes down with a control that is freed; a new one is made.
    if (!ring)
        ring = new Fokusring(kontroll);
    ring->foelj(kontroll);
}

} // namespace

QColor fokuston(const QColor &c)
{
    return kontrast(c, Qt::black) >= kontrast(c, Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
}

double kontrast(const QColor &a, const QColor &b)
{
    const double la = luminans(a);
    const double lb = luminans(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Fokusringfaerger fokusringfaerger(const QWidget *kontroll)
{
    return {fokuston(grund(kontroll)), fokuston(yta(kontroll))};
}

QWidget *fokusringensKontroll(QWidget *w)
{
    if (!w)
        return nullptr;
    // A text field that stands in for its spin box or combo box; a button
    // box that hands its focus on to a button stays without a ring.
    while (w->parentWidget() && w->parentWidget()->focusProxy() == w
           && w->parentWidget()->focusPolicy() != Qt::NoFocus)
        w = w->parentWidget();
    if (w->isWindow() || w->focusPolicy() == Qt::NoFocus)
        return nullptr;
    return w;
}

void installeraFokusram()
{
    QObject::connect(qApp, &QApplication::focusChanged, qApp, &fokusBytt);
    qApp->installEventFilter(new Aateraktivering(qApp));
}

} // namespace plattform
