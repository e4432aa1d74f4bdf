#pragma once
// The manual window: the program's manual (a plain text file) in a read-only
// text box, printed whole or as far as it is selected.
#include "platform/ui/foenster.h"

#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TManual : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TManual(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPlainTextEdit *Memo2 = nullptr;     // hidden: the selection, for printing
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;

    void Button1Click();
    void Button2Click();                 // print all
    void Button3Click();                 // print the selection

    // The conversions on the current printer.
    static int YmmTillPixel(double mm);
    static int XmmTillPixel(double mm);
    static int YPixelTillmm(double pixel);
    static void SkrivSidNr(int nummer);

    // The lines of a text box, as they are printed.
    static QStringList rader(const QPlainTextEdit *memo);

protected:
    bool keyPress(QChar tecken) override;

private:
    void FormCreate();
    void skrivUt(const QPlainTextEdit *memo, int foerstaY);
};

// The manual file as the window looks for it: PC path first, then CD path.
QString Manualfil();

// Shows the window modally and frees it; a missing manual shows a message
// and no window.
void VisaManual();
