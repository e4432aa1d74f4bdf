#include "platform/ui/kontroller.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace plattform;

TEST(Kontroller, GaugeKeepsItsProgressInRangeAndShowsFullPastTheTop)
{
    Maetare m(nullptr, QStringLiteral("Gauge1"), QRect(0, 0, 100, 20));
    m.saettMax(4);
    m.saettProgress(1);
    EXPECT_EQ(m.procent(), 25);
    m.saettProgress(5);   // the top passed
    EXPECT_EQ(m.progress(), 4);
    EXPECT_EQ(m.procent(), 100);
    m.saettProgress(-3);
    EXPECT_EQ(m.progress(), 0);
    m.foerg = Qt::blue;
    m.saettProgress(2);
    const QImage b = m.grab().toImage();
    EXPECT_EQ(QColor(b.pixel(10, 2)), QColor(Qt::blue));
    EXPECT_EQ(QColor(b.pixel(90, 2)), QColor(Qt::white));
}

TEST(Kontroller, PaintBoxDrawsThroughItsHandlerAndPasswordsShowStars)
{
    Ritruta r(nullptr, QStringLiteral("PaintBox1"), QRect(0, 0, 30, 30));
    int ritningar = 0;
    r.OnPaint = [&](QPainter &p) {
        ++ritningar;
        p.fillRect(0, 0, 30, 30, Qt::cyan);
    };
    const QImage b = r.grab().toImage();
    EXPECT_EQ(ritningar, 1);
    EXPECT_EQ(QColor(b.pixel(15, 15)), QColor(Qt::cyan));

    QWidget f;
    QLineEdit *e = losenordsruta(&f, QStringLiteral("maskedit1"), QRect(0, 0, 80, 20), 6);
    QTest::keyClicks(e, QStringLiteral("hemligt"));
    EXPECT_EQ(e->text(), QStringLiteral("hemlig"));
    EXPECT_EQ(e->displayText(), QStringLiteral("******"));
}
