#pragma once
// The alphabetical-order window: a short list of words in a scrambled
// order that the pupil drags into order and hands in with "Sorteringen
// &klar". A wrong list is answered with the right one beside it for the set
// seconds. Rounds, correction rounds, praise and picture are the frame's.
#include "exercises/frame/ovningsram.h"

#include <QStringList>

class QListWidget;
namespace plattform { class Dragkaella; class Klickpanel; }

class TOrdna : public Ovningsram {
    Q_OBJECT
public:
    explicit TOrdna(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;                 // the frame's end panel
    QFrame *ListPanel1 = nullptr;
    QListWidget *ListBox1 = nullptr;          // the pupil's list
    QFrame *ListPanel2 = nullptr;
    QListWidget *ListBox2 = nullptr;          // the key
    QPushButton *KlarButton = nullptr;        // "Sorteringen &klar"
    QPushButton *HjalpButton = nullptr;       // "&Hjälp"
    QFrame *HjalpPanel = nullptr;
    plattform::Klickpanel *HjalpMemo = nullptr;
    QLabel *Label8 = nullptr;

    QStringList Facit;                        // the words in the right order

    void NyPost() override;
    void KlarButtonClick();
    void RaettTest();
    void HjalpButtonClick();
    QStringList elevensLista() const;
    // The entry at `fraan` dropped on the entry at `till` of the pupil's list.
    bool ListBox1DragDrop(int fraan, int till);

    static const QStringList &HjaelpRader();

protected:
    void Inled() override;
    void efterSkapande() override;
    void NollaLabeller() override;
    void rensa() override;
    void foerAvslutningEfterVaentan() override;
    void vidRundansSlut() override;
    void foerberedRaettning() override;
    void efterFortsaett() override;
    void efterInstaellningar() override;
    void escape() override { escTvaaSteg(); }

private:
    void listornaPaa(bool paa);
    // The pupil may sort and hand in; the key is away.
    void sorteraOeppen();
    plattform::Dragkaella *m_kaella = nullptr;
};

int VisaOrdna();
