// The bundled content as the built program sees it.
#include "../support/miljoe.h"

#include "core/tillstaand.h"
#include "core/uppstart.h"
#include "core/datafiler.h"

using Innehaall = ByggdMiljoe;

TEST_F(Innehaall, BuiltConfigurationFindsTheBundledFiles)
{
    ASSERT_TRUE(Uppstart());
    EXPECT_EQ(G.start.CdSoekvaeg, "cd");
    EXPECT_EQ(G.start.PcSoekvaeg, "pc");
    EXPECT_GE(G.start.AntalDatFiler, 1);
    G.oevning.DatFilNamn = "SVE23100.DAT";
    ASSERT_TRUE(Kolla(G.oevning.DatFilNamn));
    EXPECT_GE(G.start.FilAntalPoster[G.oevning.DatFilIndex], 12);
    EXPECT_EQ(G.oevning.Rubrikrader[2], QString::fromUtf8("Ä-ljudet"));
    haemtaord(G.oevning.DatFilNamn, 1);
    const Postdelar post = str_postarray(G.post.HaemtadRad);
    EXPECT_GE(post.antalFaelt, 1);
    EXPECT_TRUE(meddelanden.poster.isEmpty()) << meddelanden.texter().join('\n').toStdString();
}
