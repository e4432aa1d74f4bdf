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
