// Dragging a label onto a box and an entry within a list.
#include "../../support/ui/provdrag.h"

#include <QDrag>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace plattform;

namespace {
struct Slut {
    QWidget *maal = nullptr;
    bool accepterad = false;
    int antal = 0;
};
} // namespace

TEST(Dragdrop, ALabelOnABoxThatTakesItRefusesItOrIsDisabled)
{
    QWidget f;
    auto *etikett = new QLabel(QStringLiteral("gick"), &f);
    auto *ruta = new QWidget(&f);
    ruta->setGeometry(0, 50, 100, 40);
    Dragkaella k(etikett, Dragkaella::Start::Genast);
    Slut slut;
    k.EndDrag = [&](QWidget *m, bool a) { slut = {m, a, slut.antal + 1}; };
    Slaeppmaal m(ruta);
    bool raett = true;
    QStringList sett;
    m.OnDragOver = [&](const Dragdata &d, QPoint) { return d.kaella() == etikett; };
    m.OnDragDrop = [&](const Dragdata &d, QPoint p) {
        sett << QStringLiteral("%1@%2,%3").arg(d.text()).arg(p.x()).arg(p.y());
        return raett;
    };

    EXPECT_TRUE(provDrag(k, ruta, QPoint(5, 6)));
    EXPECT_EQ(sett, QStringList{QStringLiteral("gick@5,6")});
    EXPECT_EQ(slut.maal, ruta);
    EXPECT_TRUE(slut.accepterad);

    raett = false;   // a wrong drop: the label goes back
    EXPECT_FALSE(provDrag(k, ruta, QPoint(5, 6)));
    EXPECT_EQ(sett.size(), 2);
    EXPECT_FALSE(slut.accepterad);

    ruta->setEnabled(false);   // a disabled box is never dropped on
    raett = true;
    EXPECT_FALSE(provDrag(k, ruta, QPoint(5, 6)));
    EXPECT_EQ(sett.size(), 2);
    EXPECT_EQ(slut.maal, nullptr);
    EXPECT_EQ(slut.antal, 3);

    // Something else than our label is refused at the enter.
    ruta->setEnabled(true);
    auto *annan = new QLabel(QStringLiteral("hem"), &f);
    Dragkaella k2(annan, Dragkaella::Start::Genast);
    EXPECT_FALSE(provDrag(k2, ruta, QPoint(5, 6)));
    EXPECT_EQ(sett.size(), 2);
}

TEST(Dragdrop, AnEntryMovesWithinItsListAndTheDragStartsAsSet)
{
    QListWidget lista;
    lista.addItems({QStringLiteral("bil"), QStringLiteral("apa"), QStringLiteral("cykel")});
    lista.resize(200, 200);
    lista.show();
    Dragkaella k(&lista, Dragkaella::Start::EfterAvstaand);
    Slaeppmaal m(&lista);
    m.OnDragOver = [&](const Dragdata &d, QPoint) { return d.kaella() == &lista; };
    m.OnDragDrop = [&](const Dragdata &d, QPoint p) {
        const int t = lista.row(lista.itemAt(p));
        if (t < 0)
            return false;
        lista.insertItem(t, lista.takeItem(d.rad()));
        return true;
    };
    const QPoint foersta = lista.visualItemRect(lista.item(0)).center();
    EXPECT_TRUE(provDrag(k, &lista, foersta, 1));
    EXPECT_EQ(lista.item(0)->text(), QStringLiteral("apa"));
    EXPECT_EQ(lista.item(1)->text(), QStringLiteral("bil"));
    EXPECT_FALSE(provDrag(k, &lista, QPoint(5, 190), 2));   // below the last entry

    // The real drag: a press alone does not start it; moving far enough
    // does, with the entry under the press.
    QList<int> rader;
    Saett<Dragkoerare> g([&](QDrag &d) {
        rader << qobject_cast<const Dragdata *>(d.mimeData())->rad();
        return Qt::IgnoreAction;
    });
    const QPoint tredje = lista.visualItemRect(lista.item(2)).center();
    QTest::mousePress(lista.viewport(), Qt::LeftButton, {}, tredje);
    EXPECT_TRUE(rader.isEmpty());
    QMouseEvent flytt(QEvent::MouseMove, tredje + QPoint(0, QApplication::startDragDistance() + 1),
                      lista.viewport()->mapToGlobal(tredje), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(lista.viewport(), &flytt);
    EXPECT_EQ(rader, QList<int>{2});
    QTest::mouseRelease(lista.viewport(), Qt::LeftButton, {}, tredje);

    // A label set to start at once starts at the press.
    QLabel etikett(QStringLiteral("gick"));
    Dragkaella genast(&etikett, Dragkaella::Start::Genast);
    QTest::mousePress(&etikett, Qt::LeftButton);
    EXPECT_EQ(rader, (QList<int>{2, -1}));
}
