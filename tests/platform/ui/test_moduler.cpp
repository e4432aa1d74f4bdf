// Sound and printing as modules loaded at their first use.
#include "../../support/dubbler.h"

#include "platform/ui/moduler.h"

#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

using namespace plattform;

TEST(SenMediaspelare, MakesThePlayerAtTheFirstSoundAndWithoutItHasNoOutput)
{
    InspeladMediaspelare riktig;
    riktig.utgaang = true;
    int skapade = 0;
    SenMediaspelare sen([&]() -> Mediaspelare * { ++skapade; return &riktig; });
    sen.stoppa();   // the main window's end, before any sound
    EXPECT_EQ(skapade, 0);
    EXPECT_TRUE(sen.felText().isEmpty());
    EXPECT_TRUE(sen.harLjudutgaang());
    EXPECT_TRUE(sen.spela(QStringLiteral("/ljud/a.wav"), true));
    sen.stoppa();
    EXPECT_EQ(skapade, 1);
    ASSERT_EQ(riktig.spelade.size(), 1);
    EXPECT_EQ(riktig.spelade[0].fil, QStringLiteral("/ljud/a.wav"));
    EXPECT_TRUE(riktig.spelade[0].vaentade);
    EXPECT_EQ(riktig.antalStopp, 1);

    // A module that cannot be loaded: a machine without sound output, which
    // the sounds' callers already tell the pupil about.
    int foersoek = 0;
    SenMediaspelare utan([&]() -> Mediaspelare * { ++foersoek; return nullptr; });
    EXPECT_FALSE(utan.harLjudutgaang());
    EXPECT_FALSE(utan.spela(QStringLiteral("/ljud/a.wav"), false));
    EXPECT_FALSE(utan.felText().isEmpty());
    utan.stoppa();
    EXPECT_EQ(foersoek, 1);
}

namespace {
QStringList koer(const QString &program, const QStringList &argument)
{
    QProcess p;
    p.start(program, argument);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {QStringLiteral("failed: ") + program + QLatin1Char(' ') + argument.join(QLatin1Char(' '))};
    return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

// The program as built: it needs none of the modules' Qt libraries, and it
// exports every function of ours that a module uses (a missing one would
// fail only at the first sound or printout of a real run).
TEST(Moduler, TheProgramLinksNoSoundOrPrintingAndExportsWhatTheModulesUse)
{
    const QString bygge = QStringLiteral(MORV_BUILD_DIR);
    const QString program = bygge + QStringLiteral("/morvika");
    for (const QString &rad : koer(QStringLiteral("readelf"), {QStringLiteral("-d"), program})) {
        EXPECT_FALSE(rad.startsWith(QLatin1String("failed"))) << qPrintable(rad);
        for (const char *bibliotek : {"Multimedia", "PrintSupport", "Network"})
            EXPECT_FALSE(rad.contains(QLatin1String(bibliotek))) << qPrintable(rad);
    }
    QSet<QString> exporterade;
    for (const QString &rad : koer(QStringLiteral("nm"), {QStringLiteral("-DC"), QStringLiteral("--defined-only"), program}))
        exporterade.insert(rad.mid(rad.indexOf(QLatin1Char(' '), 17) + 1));
    int anvaenda = 0;
    for (const char *modul : {MORV_LJUDMODUL, MORV_UTSKRIFTSMODUL}) {
        const QStringList rader = koer(QStringLiteral("nm"), {QStringLiteral("-DC"), QStringLiteral("--undefined-only"),
                                                              bygge + QLatin1Char('/') + QLatin1String(modul)});
        ASSERT_FALSE(rader.isEmpty()) << modul;
        ASSERT_FALSE(rader[0].startsWith(QLatin1String("failed"))) << qPrintable(rader[0]);
        for (const QString &rad : rader) {
            const QString namn = rad.trimmed().mid(2);   // after "U "
            if (!namn.contains(QLatin1String("plattform::")))
                continue;
            ++anvaenda;
            EXPECT_TRUE(exporterade.contains(namn)) << modul << " uses " << qPrintable(namn);
        }
    }
    EXPECT_GT(anvaenda, 0);
}
