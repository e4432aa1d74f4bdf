#pragma once
// A Qt warning or critical message during a test fails it: such messages
// mean a widget or a file was used wrongly, and no test should pass over
// one unnoticed. A test that provokes one on purpose says so for a scope:
//
//   VaentadVarning v("out of range");     // only messages containing this
//   ... the call that warns ...
//   EXPECT_EQ(v.antal(), 1);
#include <QString>

class VaentadVarning {
public:
    explicit VaentadVarning(QString delAvText = QString());
    ~VaentadVarning();
    VaentadVarning(const VaentadVarning &) = delete;
    VaentadVarning &operator=(const VaentadVarning &) = delete;
    int antal() const { return m_antal; }
private:
    friend bool varningVaentad(const QString &text);
    QString m_text;
    int m_antal = 0;
    VaentadVarning *m_yttre;
};

// Installs the message handler (called once by each test program's main).
void installeraVarningsvakt();
