#include "platform/ui/straengrutnaet.h"

#include <QHeaderView>
#include <QTest>
#include <gtest/gtest.h>

using namespace plattform;

TEST(Straengrutnaet, CellsFixedPartsSizesAndEvents)
{
    QWidget f;
    Straengrutnaet g(&f, QStringLiteral("StringGrid1"), QRect(0, 0, 300, 200), 4, 5);
    f.show();
    g.saettCell(1, 2, QStringLiteral("Öva"));
    g.saettCell(9, 9, QStringLiteral("utanför"));   // outside: nothing
    EXPECT_EQ(g.cell(1, 2), QStringLiteral("Öva"));
    EXPECT_EQ(g.cell(2, 1), QString());
    EXPECT_EQ(g.objectName(), QStringLiteral("StringGrid1"));

    g.saettFastFaerg(Qt::yellow);
    g.saettCell(0, 3, QStringLiteral("3"));
    EXPECT_EQ(g.item(3, 0)->background().color(), QColor(Qt::yellow));
    EXPECT_FALSE(g.item(3, 0)->flags() & Qt::ItemIsSelectable);
    EXPECT_TRUE(g.item(2, 1)->flags() & Qt::ItemIsSelectable);

    g.saettRadhoejd(20);
    g.saettKolumnbredd(0, 40);
    g.saettKolumnbredd(1, 100);
    EXPECT_EQ(g.rowHeight(4), 20);
    EXPECT_EQ(g.MouseToCell(QPoint(45, 41)), QPoint(1, 2));
    EXPECT_EQ(g.MouseToCell(QPoint(5, 199)), QPoint(-1, -1));

    g.saettRutnaet(false);
    g.saettHelRad(true);
    g.saettRullningslister(false, true);
    EXPECT_FALSE(g.showGrid());
    EXPECT_EQ(g.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(g.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(g.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    int enter = 0;
    QPoint dubbel(-1, -1);
    g.OnEnter = [&] { ++enter; };
    g.OnDblClick = [&](int k, int r) { dubbel = QPoint(k, r); };
    QTest::keyClick(&g, Qt::Key_Return);
    QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, QPoint(45, 41));
    EXPECT_EQ(enter, 1);
    EXPECT_EQ(dubbel, QPoint(1, 2));
    EXPECT_EQ(g.Row(), 2);
}
