#pragma once
// Silly stories: the pupil picks a story and, without seeing it, types the
// adjectives and nouns it asks for; the words fill its gaps in a random
// order, and the silly result can be printed.
#include "core/historier.h"
#include "core/oevningsstart.h"
#include "platform/ui/foenster.h"

#include <QList>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TPrank : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TPrank(const Oevningsstart &start = oevningsstart(), QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;           // "Välj en av dessa historier:"
    QListWidget *ListBox1 = nullptr;
    QFrame *Panel3 = nullptr;
    QLabel *Label3 = nullptr;           // the prompt
    QList<QLabel *> ord;                // ord1..ord10
    QLineEdit *Edit1 = nullptr;
    QFrame *Panel4 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *BitBtn1 = nullptr;     // "&Utskrift"
    QPushButton *Button2 = nullptr;     // "&Ny historia"
    QPushButton *Button1 = nullptr;     // "&Avbryt"

    std::array<int, 3> LuckAntal{0, 0, 0};
    int Ordslag = 1;
    int Ordraknare = 1;
    int BehovdaOrd = 0;
    Prankord Orden;                     // adjectives, singular and plural nouns
    QString ValdTitel;

    void ListBox1Click();
    void Edit1Enter();
    void BitBtn1Click();
    void Button2Click();

protected:
    bool keyDown(QKeyEvent *e) override;

private:
    QString m_datfil;          // the stories' file, from the start
    void FormCreate();
    void FormShow();
    bool laesFil(QStringList &rader);
    void fraagaEfterOrd();     // the prompt and word count of the kind `Ordslag`
    void MataInOrd(const QString &prompt, int n);
    void SettInOrd();
};

void VisaPrank();
