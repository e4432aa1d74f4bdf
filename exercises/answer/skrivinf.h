#pragma once
// The gap-sentence window: a sentence with one or two gaps, each an entry
// field inside the sentence where the missing word belongs. Some programs
// show a model sentence above it, some speak the item, most offer one or
// two help texts on the help button.
#include "core/luckpost.h"
#include "core/meningslayout.h"
#include "core/typer.h"
#include "exercises/frame/ovningsram.h"

#include <QLabel>
#include <QList>
#include <array>

class TSkrivinf : public Ovningsram {
    Q_OBJECT
public:
    explicit TSkrivinf(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    // Controls beyond the frame's.
    QLabel *Label3 = nullptr;            // Label3..Label7: the model sentence's parts
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label9 = nullptr;            // Label9..Label13: the gap sentence's texts
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLineEdit *Edit2 = nullptr;          // the second gap (Edit1 is the frame's)
    QLabel *Label14 = nullptr;           // answer 1, shown in place of Edit1 once given
    QLabel *Label15 = nullptr;           // answer 2
    QLabel *Label16 = nullptr;           // help texts 1 and 2
    QLabel *Label17 = nullptr;
    QLabel *Label18 = nullptr;           // on the form, never shown
    QPushButton *BitBtn4 = nullptr;      // on the form, never shown
    QLabel *EngLabel = nullptr;

    // Window state beside the frame's.
    Luckpost Post;
    int Luckor = 0;
    int BesvaradeLuckor = 0;
    Byte Lucka1Raett = 0;
    Byte AktivLucka = 1;
    Byte HjaelpSteg = 0;
    Byte HjaelpFraanFaelt2 = 1;
    Byte LjudPost = 0;

    void NyPost() override;
    void BitBtn2Click() override;
    void UpprepaButtonClick() override;
    void Avslutning() override;
    QLineEdit *aktivtSvarsfaelt() const override;
    Arbetsbladsrader arbetsbladsrader(bool fraanKlart) override;

protected:
    QString vaentatSvar(const QLineEdit *faelt) const override;
    void svarInmatat(QLineEdit *faelt) override;
    void escISvarsfaelt(QLineEdit *faelt) override;
    void NollaLabeller() override;
    void efterFortsaett() override;
    void efterInstaellningar() override;
    bool harRegelsida() const override;
    bool ljudOevning() const override { return LjudPost == 1; }
    bool ljudtimerVidNyPost() const override { return LjudPost == 1 && !aerArbetsblad(laege()); }
    bool keyDown(QKeyEvent *e) override;

private:
    void efterSkapande() override;
    void visaMoenster();
    void visaMening();
    int laggUtRad(int topp, const QString &rad, const std::array<QWidget *, 5> &delar);
    Meningsrader delaMening(const QString &text, int vaenster, bool medLuckor);
    int meningensVaenster() const;
    void visaSvar(int lucka, const QString &text, const QColor &faerg);
    void visaOeversaettning();
    void visaHjaelpknapp();
    int etikettHoejd() const;

    std::array<QLabel *, 5> m_moensterEtiketter{};
    // 1, 2: what follows each gap's field on its row, in order.
    std::array<QList<QWidget *>, 3> m_efterLucka{};
};

// Opens the gap-sentence window for the current data file; returns when it
// has closed.
int VisaSkrivinf();
