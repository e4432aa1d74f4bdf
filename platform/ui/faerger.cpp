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
    // A disabled control keeps the greyed text of its kind.
    QPalette p = w->palette();
    for (auto grupp : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(grupp, QPalette::WindowText, faerg);
        p.setColor(grupp, QPalette::ButtonText, faerg);
        p.setColor(grupp, QPalette::Text, faerg);
    }
    w->setPalette(p);
}

QColor bakgrund(const QWidget *w) { return w->palette().color(QPalette::Window); }

} // namespace plattform
