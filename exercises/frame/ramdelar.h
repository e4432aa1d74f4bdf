#pragma once
// The pieces of an exercise window that also serve windows without the
// round machine (the games, the vowel examination, the word collection):
// the heading box, the praise panel, the reward picture and an end panel
// with the buttons the window names. Each builds its controls, under the
// names the windows give them, on the window it is made for; the window
// owns them as usual.
#include <QRect>
#include <QString>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The heading box: `OverskriftYtterShape` around `OverskriftInnerShape`,
// whose colour shows the mode, and up to three lines.
class Rubrikruta {
public:
    explicit Rubrikruta(QWidget *foenster);
    QFrame *OverskriftYtterShape = nullptr;
    QFrame *OverskriftInnerShape = nullptr;
    QLabel *Overs1Label = nullptr;
    QLabel *Overs2Label = nullptr;
    QLabel *Overs3Label = nullptr;

    // The outer box; the inner one stands `m` / 2 inside it.
    void placera(const QRect &yttre, int m);
    void rita(const QString &rad1, const QString &rad2, const QString &rad3);
    void saettLaegesfaerg(int laege);
};

// The praise panel: panel > outer shape > inner shape > label. Windows with
// other names for the parts give them.
struct Lovordsnamn {
    QString panel = QStringLiteral("LovordPanel");
    QString yttre = QStringLiteral("LovordYttershape");
    QString inre = QStringLiteral("lovordinnershape");
    QString etikett = QStringLiteral("LovordLabel1");
};

class Lovordsruta {
public:
    explicit Lovordsruta(QWidget *foenster, const Lovordsnamn &namn = {});
    QFrame *LovordPanel = nullptr;
    QFrame *LovordYttershape = nullptr;
    QFrame *lovordinnershape = nullptr;
    QLabel *LovordLabel1 = nullptr;
    bool framfoer = false;   // the panel is raised after drawing

    // The three parts on one line, fitted into the inner shape.
    void rita(const QString &del1, const QString &del2, const QString &del3);
    // A praise line for the round's result, drawn and shown. Without a
    // praise file the panel is hidden and false returned. The shared item
    // number (PostNummer) is left as it was.
    bool visaBeroem();
};

// The reward picture: `BildPanelen` with `Image1` and its caption
// `BildTextPanel`; `BildLabel` measures the caption.
class Beloeningsbild {
public:
    explicit Beloeningsbild(QWidget *foenster);
    QFrame *BildPanelen = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *BildTextPanel = nullptr;
    QLabel *BildLabel = nullptr;

    void placera(const QRect &panel, const QSize &bild);
    // The next picture of the run with its caption; picture and caption
    // hidden when none is left, the picture alone when its file is missing.
    void visa();
    void dolj();   // picture and caption hidden, the panel as it is
};

// A panel of buttons side by side, in the order they are added.
class Slutknappar {
public:
    Slutknappar(QWidget *foenster, const QString &namn);
    QFrame *panel = nullptr;

    QPushButton *knapp(const QString &namn, const QString &text, std::function<void()> klick);
    // The buttons fill the panel's width with margin `m`, `h` / 2 from the top.
    void placera(const QRect &ram, int h, int m);
private:
    int m_antal = 0;
};
