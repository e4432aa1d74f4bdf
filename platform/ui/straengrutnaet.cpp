#include "platform/ui/straengrutnaet.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace plattform {

Straengrutnaet::Straengrutnaet(QWidget *foeraelder, const QString &namn, const QRect &ram, int kolumner,
                               int rader, int fastaKolumner, int fastaRader)
    : QTableWidget(rader, kolumner, foeraelder), m_fastaKolumner(fastaKolumner), m_fastaRader(fastaRader)
{
    setObjectName(namn);
    setGeometry(ram);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    faerglaeggFasta();
}

QTableWidgetItem *Straengrutnaet::post(int kol, int rad)
{
    QTableWidgetItem *p = item(rad, kol);
    if (!p) {
        p = new QTableWidgetItem;
        if (kol < m_fastaKolumner || rad < m_fastaRader) {
            p->setFlags(Qt::ItemIsEnabled);
            p->setBackground(m_fastFaerg);
        }
        setItem(rad, kol, p);
    }
    return p;
}

void Straengrutnaet::faerglaeggFasta()
{
    for (int r = 0; r < rowCount(); ++r)
        for (int k = 0; k < columnCount(); ++k)
            if (k < m_fastaKolumner || r < m_fastaRader)
                post(k, r)->setBackground(m_fastFaerg);
}

QString Straengrutnaet::cell(int kol, int rad) const
{
    const QTableWidgetItem *p = item(rad, kol);
    return p ? p->text() : QString();
}

void Straengrutnaet::saettCell(int kol, int rad, const QString &text)
{
    if (kol < 0 || rad < 0 || kol >= columnCount() || rad >= rowCount())
        return;
    post(kol, rad)->setText(text);
}

void Straengrutnaet::saettFastFaerg(const QColor &c)
{
    m_fastFaerg = c;
    faerglaeggFasta();
}

void Straengrutnaet::saettRadhoejd(int pixlar)
{
    verticalHeader()->setDefaultSectionSize(pixlar);
    for (int r = 0; r < rowCount(); ++r)
        setRowHeight(r, pixlar);
}

void Straengrutnaet::saettKolumnbredd(int kol, int pixlar) { setColumnWidth(kol, pixlar); }

void Straengrutnaet::saettRutnaet(bool linjer) { setShowGrid(linjer); }

void Straengrutnaet::saettHelRad(bool paa)
{
    setSelectionBehavior(paa ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void Straengrutnaet::saettRullningslister(bool vaagraet, bool lodraet)
{
    setHorizontalScrollBarPolicy(vaagraet ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(lodraet ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

QPoint Straengrutnaet::MouseToCell(QPoint punkt) const
{
    const int k = columnAt(punkt.x());
    const int r = rowAt(punkt.y());
    if (k < 0 || r < 0)
        return QPoint(-1, -1);
    return QPoint(k, r);
}

void Straengrutnaet::keyPressEvent(QKeyEvent *e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && OnEnter) {
        OnEnter();
        return;
    }
    QTableWidget::keyPressEvent(e);
}

void Straengrutnaet::mouseDoubleClickEvent(QMouseEvent *e)
{
    QTableWidget::mouseDoubleClickEvent(e);
    const QPoint c = MouseToCell(e->position().toPoint());
    if (c.x() >= 0 && OnDblClick)
        OnDblClick(c.x(), c.y());
}

} // namespace plattform
