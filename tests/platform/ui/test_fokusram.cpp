// The ring that marks the control with the focus: seen on dark and light
// grounds, on the control's own face, and gone from a control the focus left.
#include "platform/ui/faerger.h"
#include "platform/ui/foenster.h"
#include "platform/ui/fokusram.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

using namespace plattform;

namespace {
QImage bild(QWidget *w) { return w->grab().toImage(); }
} // namespace

TEST(Fokusram, TheFocusedControlStandsOutFromItsGroundAndItsFace)
{
    // The end panel's navy, the window grey, the yellow of the rules panel.
    for (const QColor &grund : {clNavy, clBtnFace, clYellow}) {
        SCOPED_TRACE(grund.name().toStdString());
        Foenster f;
        f.resize(440, 100);
        QFrame *panel = skapaPanel(&f, QStringLiteral("Panel1"), QRect(0, 0, 440, 100));
        saettBakgrund(panel, grund);
        QPushButton *knapp = skapaKnapp(panel, QStringLiteral("Button2"), QStringLiteral("&Fortsätta"),
                                        QRect(20, 30, 120, 40));
        QPushButton *annan = skapaKnapp(panel, QStringLiteral("Button3"), QStringLiteral("&Avbryta"),
                                        QRect(160, 30, 120, 40));
        QLineEdit *ruta = skapaRuta(panel, QStringLiteral("Edit1"), QRect(300, 35, 120, 30));
        f.show();
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));

        annan->setFocus();
        const QImage utan = bild(knapp);
        knapp->setFocus();
        const QImage med = bild(knapp);
        ASSERT_NE(med, utan);
        // Outer line against the panel, inner line against the face beside the text.
        const QColor yta = utan.pixelColor(6, 20);
        EXPECT_GE(kontrast(med.pixelColor(0, 20), grund), 3.0);
        EXPECT_GE(kontrast(med.pixelColor(FokusringYttre, 20), yta), 3.0);
        EXPECT_GE(kontrast(med.pixelColor(FokusringYttre + FokusringInre - 1, 20), yta), 3.0);

        // The ring goes with the focus: into the field, off the button.
        const QImage tomRuta = bild(ruta);
        ruta->setFocus();
        EXPECT_EQ(bild(knapp), utan);
        const QImage rutaMed = bild(ruta);
        EXPECT_GE(kontrast(rutaMed.pixelColor(0, 15), grund), 3.0);
        EXPECT_GE(kontrast(rutaMed.pixelColor(FokusringYttre, 15), tomRuta.pixelColor(6, 15)), 3.0);
    }
}

TEST(Fokusram, ARadioButtonsRingGoesRoundItsTextAndLeavesItsMarkClear)
{
    Foenster f;
    f.resize(300, 100);
    auto *val = new QRadioButton(QStringLiteral("Gissa orden."), &f);
    val->setGeometry(20, 20, 200, 30);
    QPushButton *annan = skapaKnapp(&f, QStringLiteral("Button1"), QStringLiteral("&Avbryt"), QRect(20, 60, 80, 30));
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    annan->setFocus();
    const QImage utan = bild(val);
    val->setFocus();
    const QImage med = bild(val);
    ASSERT_NE(med, utan);
    const int maerke = val->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, val);
    EXPECT_EQ(med.copy(0, 0, maerke, med.height()), utan.copy(0, 0, maerke, utan.height()));
}

