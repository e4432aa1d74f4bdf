#include "../support/miljoe.h"
#include "../support/ui/modal.h"

#include "core/tillstaand.h"
#include "dialogs/omkavo.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {
class OmKavo : public Miljoe {
protected:
    void SetUp() override
    {
        Miljoe::SetUp();
        anvaendTraed();
    }
    void bild(const QString &fil, const QColor &faerg)
    {
        QDir().mkpath(QFileInfo(fil).absolutePath());
        QImage b(64, 48, QImage::Format_RGB32);
        b.fill(faerg);
        ASSERT_TRUE(b.save(fil, "BMP"));
    }
};
} // namespace

TEST_F(OmKavo, ThePictureFillsTheScreenPcCopyFirst)
{
    bild(i("cd/BILD/Morv97.BMP"), Qt::red);
    bild(i("pc/bild/MORV97.bmp"), Qt::green);
    TOmKavo f;
    ASSERT_TRUE(f.harBild());
    // Above the button's strip, so the button never stands on its caption.
    EXPECT_EQ(f.Image1->geometry(), QRect(0, 0, 640, f.Button1->y() - f.Button1->height() / 4));
    EXPECT_EQ(f.Image1->pixmap().toImage().pixelColor(1, 1), QColor(Qt::green));
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Morvika 3.1"));
    EXPECT_EQ(f.Button1->text(), QStringLiteral("&Avbryt"));
    EXPECT_EQ(f.Button1->x(), (640 - f.Button1->width()) / 2);
    EXPECT_EQ(f.Button1->y(), 480 - (5 * f.Button1->height()) / 4);
}

TEST_F(OmKavo, TheTitleReadsOnTheFlagsBlue)
{
    // The whole picture as dark as the flag's blue: wherever the title
    // stands, its navy must still read against what is right behind it.
    bild(i("cd/BILD/Morv97.BMP"), QColor(0, 94, 148));
    TOmKavo f;
    f.show();
    const QImage skaerm = f.grab().toImage();
    const QRect r = f.Label1->geometry();
    auto luminans = [](const QColor &c) {
        auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double text = luminans(f.Label1->palette().color(QPalette::WindowText));
    // Beside the first letter, inside the title's own rectangle.
    for (const QPoint p : {QPoint(r.left() + 6, r.center().y()), QPoint(r.right() - 6, r.center().y())}) {
        const double grund = luminans(skaerm.pixelColor(p));
        const double kontrast = (std::max(text, grund) + 0.05) / (std::min(text, grund) + 0.05);
        EXPECT_GE(kontrast, 4.5) << p.x() << "," << p.y();
    }
    EXPECT_TRUE(f.Image1->geometry().contains(r));
}

TEST_F(OmKavo, WithoutThePictureItOpensWithoutOne)
{
    TOmKavo f;
    EXPECT_FALSE(f.harBild());
    EXPECT_FALSE(f.stangdUnderSkapande());
    EXPECT_TRUE(f.Image1->isHidden());
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}

TEST_F(OmKavo, EscAndAvbrytBothClose)
{
    bild(i("cd/BILD/Morv97.BMP"), Qt::blue);
    for (int vaeg = 0; vaeg < 2; ++vaeg) {
        bool oeppen = false;
        naerModal([&, vaeg](QWidget *w) {
            auto *f = dynamic_cast<TOmKavo *>(w);
            ASSERT_NE(f, nullptr);
            oeppen = f->isVisible();
            if (vaeg == 0)
                QTest::keyClick(f->Button1, Qt::Key_Escape);
            else
                QTest::mouseClick(f->Button1, Qt::LeftButton);
        });
        VisaOmKavo();
        EXPECT_TRUE(oeppen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}
