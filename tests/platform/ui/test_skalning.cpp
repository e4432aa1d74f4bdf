#include "platform/ui/skalning.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using plattform::skalaFoenster;

TEST(Skalning, PositionsSizesAndFontsRecursively)
{
    QDialog f;
    f.resize(640, 480);
    QFont ff = f.font();
    ff.setPixelSize(12);
    f.setFont(ff);
    auto *panel = new QFrame(&f);
    panel->setGeometry(10, 20, 200, 100);
    auto *knapp = new QPushButton(QStringLiteral("&Fortsätta"), panel);
    knapp->setGeometry(5, 5, 95, 30);
    auto *granne = new QPushButton(QStringLiteral("&Avbryta"), panel);
    granne->setGeometry(100, 5, 95, 30);
    auto *rubrik = new QLabel(QStringLiteral("Rubrik"), &f);
    rubrik->setGeometry(300, 10, 100, 40);
    QFont rf(QStringLiteral("Arial"));
    rf.setPixelSize(20);
    rf.setBold(true);
    rubrik->setFont(rf);
    auto *fast = new QLineEdit(&f);
    fast->setGeometry(0, 400, 100, 20);
    fast->setFixedSize(100, 20);
    auto *lista = new QListWidget(&f);
    lista->setGeometry(300, 200, 100, 100);

    skalaFoenster(&f, 150);
    EXPECT_EQ(f.size(), QSize(960, 720));
    EXPECT_EQ(panel->geometry(), QRect(15, 30, 300, 150));
    EXPECT_EQ(knapp->geometry(), QRect(8, 8, 142, 45));
    // Edges are scaled: the neighbours still touch.
    EXPECT_EQ(granne->geometry().left(), knapp->geometry().right() + 1);
    EXPECT_EQ(f.font().pixelSize(), 18);
    EXPECT_EQ(knapp->font().pixelSize(), 18);   // follows the window, scaled once
    EXPECT_EQ(rubrik->font().pixelSize(), 30);
    EXPECT_TRUE(rubrik->font().bold());
    EXPECT_EQ(fast->size(), QSize(150, 30));
    EXPECT_EQ(fast->minimumSize(), QSize(150, 30));
    EXPECT_EQ(lista->geometry(), QRect(450, 300, 150, 150));
}

TEST(Skalning, HundredPercentAndLayoutsAreLeftAlone)
{
    QDialog f;
    f.resize(300, 200);
    auto *l = new QLabel(QStringLiteral("x"), &f);
    l->setGeometry(10, 10, 50, 20);
    skalaFoenster(&f, 100);
    skalaFoenster(&f, 0);
    skalaFoenster(nullptr, 150);
    EXPECT_EQ(f.size(), QSize(300, 200));
    EXPECT_EQ(l->geometry(), QRect(10, 10, 50, 20));

    QWidget behaallare;
    behaallare.resize(100, 100);
    auto *lagd = new QVBoxLayout(&behaallare);
    auto *i = new QLabel(QStringLiteral("i en layout"));
    lagd->addWidget(i);
    i->setGeometry(1, 2, 30, 40);
    skalaFoenster(&behaallare, 200);
    EXPECT_EQ(i->geometry(), QRect(1, 2, 30, 40));
}

TEST(Skalning, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(plattform::skala(5, 150), 8);
    EXPECT_EQ(plattform::skala(3, 50), 2);
    EXPECT_EQ(plattform::skala(-3, 50), -2);
    EXPECT_EQ(plattform::skala(100, 156), 156);
}
