// The bundled content as the built program sees it.
#include "../support/miljoe.h"

#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "core/datafiler.h"

using Innehaall = ByggdMiljoe;

TEST_F(Innehaall, BuiltConfigurationFindsTheBundledFiles)
{
    ASSERT_TRUE(Uppstart());
    EXPECT_EQ(G.CdSoekvaeg, "cd");
    EXPECT_EQ(G.PcSoekvaeg, "pc");
    EXPECT_GE(G.AntalDatFiler, 1);
    G.DatFilNamn = "SVE23100.DAT";
    ASSERT_TRUE(Kolla(G.DatFilNamn));
    EXPECT_GE(G.FilAntalPoster[G.DatFilIndex], 12);
    EXPECT_EQ(G.Rubrikrader[2], QString::fromUtf8("Ä-ljudet"));
    haemtaord(G.DatFilNamn, 1);
    const Postdelar post = delaPostrad(G.HaemtadRad);
    EXPECT_GE(post.antalFaelt, 1);
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}
