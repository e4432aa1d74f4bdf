#include "platform/ui/faerger.h"

#include <QWidget>

namespace plattform {

void saettBakgrund(QWidget *w, const QColor &faerg)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, faerg);
    p.setColor(QPalette::Button, faerg);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void saettTextfaerg(QWidget *w, const QColor &faerg)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, faerg);
    p.setColor(QPalette::ButtonText, faerg);
    p.setColor(QPalette::Text, faerg);
    w->setPalette(p);
}

QColor bakgrund(const QWidget *w) { return w->palette().color(QPalette::Window); }

} // namespace plattform
