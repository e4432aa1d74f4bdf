#include "globalvakt.h"

#include "core/diagnos.h"
#include "core/textmaett.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/media.h"
#include "platform/saekerskrivning.h"
#include "platform/seams.h"

#include <cstdlib>
#include <gtest/gtest.h>

std::vector<Globalvakt::Notering> Globalvakt::notera() const
{
    std::vector<Notering> noterat;
    for (const auto &notera : m_globaler)
        noterat.push_back(notera());
    return noterat;
}

void Globalvakt::aaterstaell(std::vector<Notering> &noterat)
{
    for (const auto &aaterstaell : noterat)
        if (const std::string namn = aaterstaell(); !namn.empty())
            ADD_FAILURE() << "the test left " << namn << " changed; set it for a scope (saett.h)";
    noterat.clear();
}

namespace {

class Globallyssnare : public ::testing::EmptyTestEventListener {
public:
    Globalvakt vakt;
private:
    void OnTestStart(const ::testing::TestInfo &) override { m_noterat = vakt.notera(); }
    void OnTestEnd(const ::testing::TestInfo &) override { Globalvakt::aaterstaell(m_noterat); }
    std::vector<Globalvakt::Notering> m_noterat;
};

Globalvakt *installerad = nullptr;

} // namespace

Globalvakt &installeraGlobalvakt()
{
    auto *l = new Globallyssnare;
    Globalvakt &v = l->vakt;
    v.variabel("diaprot", diaprot);
    v.variabel("HuvudfoensterAktiveras", HuvudfoensterAktiveras);
    v.variabel("the configuration-error text", konfigurationsbrist);
    v.saettare("the message-box seam", plattform::saettMeddelanden);
    v.saettare("the clock seam", plattform::saettKlocka);
    v.saettare("the random-source seam", plattform::saettSlumpkaella);
    v.saettare("the screen-size seam", plattform::saettSkaermstorlek);
    v.saettare("the media seam", plattform::saettMediaspelare);
    v.saettare("the text-measuring seam", saettTextmaetare);
    v.saettare("the path anchor", plattform::saettAnkare);
    v.saettare("the data folder", plattform::saettDatakatalog);
    v.saettare("the write limit", plattform::saettSkrivgraens);
    v.saettare("the write-lock wait", plattform::Skrivlaas::saettVaentetid);
    ::testing::UnitTest::GetInstance()->listeners().Append(l);
    installerad = &v;
    return v;
}

Globalvakt &globalvakten()
{
    if (!installerad)
        std::abort();
    return *installerad;
}
