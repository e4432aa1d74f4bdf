#include "globalvakt.h"

#include "core/diagnos.h"
#include "core/textmaett.h"
#include "core/uppstart.h"
#include "platform/filer.h"
#include "platform/media.h"
#include "platform/saekerskrivning.h"
#include "platform/seams.h"

#include <gtest/gtest.h>

class Globallyssnare : public ::testing::EmptyTestEventListener {
public:
    Globalvakt vakt;
private:
    void OnTestStart(const ::testing::TestInfo &) override
    {
        m_noterat.clear();
        for (const auto &notera : vakt.m_globaler)
            m_noterat.push_back(notera());
    }
    void OnTestEnd(const ::testing::TestInfo &) override
    {
        for (const auto &aaterstaell : m_noterat)
            if (const std::string namn = aaterstaell(); !namn.empty())
                ADD_FAILURE() << "the test left " << namn << " changed; set it for a scope (saett.h)";
        m_noterat.clear();
    }
    std::vector<Globalvakt::Notering> m_noterat;
};

Globalvakt &installeraGlobalvakt()
{
    auto *l = new Globallyssnare;
    Globalvakt &v = l->vakt;
    v.variabel("diaprot", diaprot);
    v.variabel("HuvudfoensterAktiveras", HuvudfoensterAktiveras);
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
    return v;
}
