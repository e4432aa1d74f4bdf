// The picture questions' files: every question asks for a part the picture
// numbers, as the file's comments list them, and its answer is that part.
#include "../support/miljoe.h"

#include "core/datafiler.h"
#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/text1252.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace {

class Bildfraagor : public ByggdMiljoe {
protected:
    void granska(const QString &namn, int delar)
    {
        SCOPED_TRACE(namn.toStdString());
        G.oevning.DatFilNamn = namn;
        ASSERT_TRUE(Kolla(namn));
        // "; 3 axeln - axeln till vänster i bilden"
        QMap<int, QString> bilden;
        plattform::RadLaesare fil;
        ASSERT_TRUE(fil.oeppna(plattform::riktigSoekvaeg(SoekInnehaall(QStringLiteral("\\DATA\\DAT\\") + namn))));
        static const QRegularExpression del(QStringLiteral("^; (\\d+) (\\S+) - "));
        while (!fil.slut()) {
            const auto m = del.match(fil.laesRad());
            if (m.hasMatch())
                bilden.insert(m.captured(1).toInt(), m.captured(2));
        }
        ASSERT_EQ(bilden.size(), delar);
        EXPECT_EQ(bilden.firstKey(), 1);
        EXPECT_EQ(bilden.lastKey(), delar);

        static const QRegularExpression fraagat(QStringLiteral("Vad heter nummer (\\d+)"));
        static const QRegularExpression nummer(QStringLiteral("[Nn]ummer (\\d+)"));
        QSet<int> fraagade;
        const int antal = G.start.FilAntalPoster[G.oevning.DatFilIndex];
        EXPECT_GE(antal, 2 * delar);
        for (int n = 1; n <= antal; ++n) {
            ASSERT_TRUE(haemtaord(namn, n));
            const Postdelar post = str_postarray(G.post.HaemtadRad);
            const QString fraaga = post.faelt[1];
            SCOPED_TRACE(fraaga.toStdString());
            for (auto it = nummer.globalMatch(fraaga); it.hasNext();)
                EXPECT_TRUE(bilden.contains(it.next().captured(1).toInt()));
            auto m = fraagat.match(fraaga);
            if (!m.hasMatch())
                m = nummer.match(fraaga);
            ASSERT_TRUE(m.hasMatch());
            const int nr = m.captured(1).toInt();
            fraagade.insert(nr);
            EXPECT_EQ(post.faelt[2], bilden.value(nr));
            EXPECT_GE(post.antalAlternativ, 1);
        }
        EXPECT_EQ(fraagade.size(), delar);
    }
};

} // namespace

TEST_F(Bildfraagor, EveryQuestionNamesANumberedPartAndAnswersIt)
{
    ASSERT_TRUE(Uppstart());
    granska(QStringLiteral("SVE38100.DAT"), 15);
    granska(QStringLiteral("SVE38200.DAT"), 13);
    EXPECT_TRUE(meddelanden.poster.isEmpty());
}
