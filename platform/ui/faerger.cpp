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

QColor textfaerg(const QColor &faerg, const QColor &grund)
{
    // Pure red and teal letters are too faint on the light greys, white and
    // yellow (3.5:1 and 4.2:1 on the window grey); a darker shade of the same
    // hue reads at 5:1 or better. Dark grounds keep the bright colours.
    if (qGray(grund.rgb()) < 128)
        return faerg;
    if (faerg == clRed)
        return clTextroed;
    if (faerg == clTeal)
        return clTextteal;
    return faerg;
}

void saettTextfaerg(QWidget *w, const QColor &text)
{
    // A disabled control keeps the greyed text of its kind.
    QPalette p = w->palette();
    const QColor faerg = textfaerg(text, p.color(QPalette::Window));
    for (auto grupp : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(grupp, QPalette::WindowText, faerg);
        p.setColor(grupp, QPalette::ButtonText, faerg);
        p.setColor(grupp, QPalette::Text, faerg);
    }
    w->setPalette(p);
}

QColor bakgrund(const QWidget *w) { return w->palette().color(QPalette::Window); }

} // namespace plattform
