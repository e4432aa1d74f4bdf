#include "platform/ui/foenster.h"

#include "platform/ui/fokusram.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace plattform {

bool foerhandsvisaTangent(QObject *mottagare, QEvent *e)
{
    const auto typ = e->type();
    if (typ != QEvent::KeyPress && typ != QEvent::KeyRelease && typ != QEvent::ShortcutOverride)
        return false;
    auto *w = qobject_cast<QWidget *>(mottagare);
    if (!w)
        return false;
    auto *f = qobject_cast<Foenster *>(w->window());
    if (!f || !f->keyPreview() || f->aerStangd() || !f->isEnabled())
        return false;
    auto *k = static_cast<QKeyEvent *>(e);
    if (typ == QEvent::ShortcutOverride) {
        // Accepted, the key comes as a KeyPress instead of firing a
        // mnemonic or shortcut; not accepted, Qt goes on as usual.
        if (!f->tarTangent(k))
            return false;
        k->accept();
        return true;
    }
    if (typ == QEvent::KeyRelease)
        return f->keyUp(k);
    QPointer<Foenster> vakt(f);
    if (f->keyDown(k))
        return true;
    if (!vakt || vakt->aerStangd())
        return true;
    const QString t = k->text();
    if (!t.isEmpty() && (t.at(0).isPrint() || t.at(0) == QLatin1Char('\r')
                         || t.at(0) == QLatin1Char('\b') || t.at(0) == QChar(27)))
        return f->keyPress(t.at(0));
    return false;
}

namespace {
// Enter on the button that has the focus presses it, as a click would;
// Enter anywhere else never presses a button (there is no default button).
bool tryckKnappMedFokus(QObject *mottagare, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    auto *k = static_cast<QKeyEvent *>(e);
    if ((k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) || k->isAutoRepeat()
        || (k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto *knapp = qobject_cast<QPushButton *>(mottagare);
    if (!knapp || !qobject_cast<Foenster *>(knapp->window()) || knapp->window()->focusWidget() != knapp
        || !knapp->isEnabled() || !knapp->isVisible())
        return false;
    knapp->click();
    return true;
}
} // namespace

Programmet::Programmet(int &argc, char **argv) : QApplication(argc, argv)
{
    // Disabled text stays readable: a pupil's answer stands in the locked
    // field during a wait. Dark grey on the light grounds (about 6:1) still
    // reads as disabled beside the black of enabled controls.
    QPalette p = palette();
    for (auto roll : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, roll, QColor(90, 90, 90));
    // A chosen list row: white on a blue dark enough to read (about 7:1).
    for (auto grupp : {QPalette::Active, QPalette::Inactive})
        p.setColor(grupp, QPalette::Highlight, QColor(0, 84, 166));
    setPalette(p);
    // The control with the focus is always marked.
    installeraFokusram();
}

bool Programmet::notify(QObject *mottagare, QEvent *e)
{
    // Once per key event, before it reaches the focused control.
    if (foerhandsvisaTangent(mottagare, e))
        return true;
    if (tryckKnappMedFokus(mottagare, e))
        return true;
    return QApplication::notify(mottagare, e);
}

Foenster::Foenster(QWidget *parent) : QDialog(parent ? parent : QApplication::activeModalWidget())
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Foenster::saettRamloes(bool ramloes)
{
    setWindowFlag(Qt::FramelessWindowHint, ramloes);
}

void Foenster::stang()
{
    if (!m_visad) {
        m_stangdFoereVisning = true;
        m_stangd = true;
        return;
    }
    reject();
}

bool Foenster::keyDown(QKeyEvent *) { return false; }
bool Foenster::keyPress(QChar) { return false; }
bool Foenster::keyUp(QKeyEvent *) { return false; }
bool Foenster::tarTangent(QKeyEvent *) { return false; }
void Foenster::escape() { reject(); }
void Foenster::stangBegaert() { reject(); }

void Foenster::closeEvent(QCloseEvent *e)
{
    // The window closes through done() in every case, so the launcher and
    // aerStangd() see one way out; a window that stays open refuses.
    if (!m_stangd)
        stangBegaert();
    e->setAccepted(!isVisible());
}

int Foenster::exec()
{
    if (m_stangdFoereVisning)
        return QDialog::Rejected;
    return QDialog::exec();
}

void Foenster::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        escape();
        e->accept();
        return;
    }
    // Enter in a control never closes the window (on a focused button it
    // has pressed that button before it got here).
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Foenster::showEvent(QShowEvent *e)
{
    m_visad = true;
    ingaStandardknappar(this);
    QDialog::showEvent(e);
}

void Foenster::done(int r)
{
    m_stangd = true;
    QDialog::done(r);
}

void ingaStandardknappar(QWidget *foenster)
{
    for (QPushButton *b : foenster->findChildren<QPushButton *>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

QPushButton *skapaKnapp(QWidget *foeraelder, const QString &namn, const QString &text,
                        const QRect &ram)
{
    auto *b = new QPushButton(text, foeraelder);
    b->setObjectName(namn);
    b->setAutoDefault(false);
    b->setGeometry(ram);
    return b;
}

QLabel *skapaEtikett(QWidget *foeraelder, const QString &namn, const QString &text,
                     const QPoint &plats)
{
    auto *l = new QLabel(foeraelder);
    l->setObjectName(namn);
    l->move(plats);
    saettEtikettText(l, text);
    return l;
}

QFrame *skapaPanel(QWidget *foeraelder, const QString &namn, const QRect &ram)
{
    auto *p = new QFrame(foeraelder);
    p->setObjectName(namn);
    p->setGeometry(ram);
    p->setAutoFillBackground(true);
    return p;
}

QLineEdit *skapaRuta(QWidget *foeraelder, const QString &namn, const QRect &ram)
{
    auto *e = new QLineEdit(foeraelder);
    e->setObjectName(namn);
    e->setGeometry(ram);
    return e;
}

QLabel *skapaTaetEtikett(QWidget *foeraelder, const QString &namn)
{
    QLabel *l = skapaEtikett(foeraelder, namn, QString(), QPoint(0, 0));
    l->setMargin(0);
    l->setIndent(0);
    l->hide();
    return l;
}

void saettEtikettText(QLabel *etikett, const QString &text)
{
    etikett->setText(text);
    etikett->adjustSize();
}

} // namespace plattform
