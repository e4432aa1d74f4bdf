#include "varningar.h"

#include <QtGlobal>
#include <gtest/gtest.h>

bool varningVaentad(const QString &text);

namespace {
VaentadVarning *aktuell = nullptr;
QtMessageHandler foerra = nullptr;

void hanterare(QtMsgType typ, const QMessageLogContext &ctx, const QString &text)
{
    if (typ == QtDebugMsg || typ == QtInfoMsg) {
        foerra(typ, ctx, text);
        return;
    }
    if (varningVaentad(text) || text.contains(QLatin1String("This plugin does not support")))
        return;   // the headless window system lacks what a desktop has
    foerra(typ, ctx, text);
    if (::testing::UnitTest::GetInstance()->current_test_info())
        ADD_FAILURE() << "unexpected Qt message: " << text.toStdString();
}
} // namespace

bool varningVaentad(const QString &text)
{
    for (VaentadVarning *v = aktuell; v; v = v->m_yttre)
        if (v->m_text.isEmpty() || text.contains(v->m_text)) {
            ++v->m_antal;
            return true;
        }
    return false;
}

VaentadVarning::VaentadVarning(QString delAvText) : m_text(std::move(delAvText)), m_yttre(aktuell)
{
    aktuell = this;
}

VaentadVarning::~VaentadVarning() { aktuell = m_yttre; }

void installeraVarningsvakt() { foerra = qInstallMessageHandler(hanterare); }
