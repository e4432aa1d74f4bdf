#pragma once
// Drag and drop between the windows' controls: a label dragged onto a box,
// an entry of a list dragged within the list.
//
//   Dragkaella k(Men1, Dragkaella::Start::Genast);     // drags at the press
//   k.EndDrag = [](QWidget *maal, bool accepterad) { ... };
//   Slaeppmaal m(Memo1);
//   m.OnDragOver = [](const Dragdata &d, QPoint) { return d.kaella() == Men1; };
//   m.OnDragDrop = [](const Dragdata &d, QPoint p) { return raettRuta(d, p); };
//
// A target refuses everything while it is disabled. The drag itself runs
// through koerDrag(), a seam: the real one blocks in the window system until
// the drop. Tests never run it; they send the events (tests/support).
#include <QMimeData>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

class QDrag;
class QListWidget;

namespace plattform {

// What is dragged: the source control and, for a list, the entry's row.
class Dragdata : public QMimeData {
    Q_OBJECT
public:
    QWidget *kaella() const { return m_kaella; }
    int rad() const { return m_rad; }           // -1: a whole control
private:
    friend Dragdata *dragdata(QWidget *, int);
    QPointer<QWidget> m_kaella;
    int m_rad = -1;
};

// The payload for a drag of `kaella` (a list's entry `rad`); its text is the
// label's text or the entry's.
Dragdata *dragdata(QWidget *kaella, int rad = -1);

// Runs a drag to its end and says how it ended (Qt::IgnoreAction: refused).
using Dragkoerare = std::function<Qt::DropAction(QDrag &)>;
Qt::DropAction koerDrag(QDrag &drag);
Dragkoerare saettKoerDrag(Dragkoerare k);        // empty: QDrag::exec; returns the one replaced

class Dragkaella : public QObject {
    Q_OBJECT
public:
    enum class Start { Genast, EfterAvstaand };   // at the press, or once the mouse has moved
    // A control that is dragged as a whole.
    Dragkaella(QWidget *kontroll, Start start);
    // A list whose entries are dragged: the one under the press.
    Dragkaella(QListWidget *lista, Start start);

    // When the drag has ended: the control it was dropped on (nullptr: none)
    // and whether that control took it.
    std::function<void(QWidget *maal, bool accepterad)> EndDrag;

    QWidget *kontroll() const { return m_kontroll; }
    int rad() const { return m_rad; }             // the entry dragged, -1 for a control
    void avsluta(QWidget *maal, bool accepterad);  // ends the drag (called after koerDrag)
protected:
    bool eventFilter(QObject *o, QEvent *e) override;
private:
    void starta();
    QWidget *m_kontroll;
    QListWidget *m_lista = nullptr;
    Start m_start;
    QPoint m_tryck;
    bool m_nere = false;
    int m_rad = -1;
};

class Slaeppmaal : public QObject {
    Q_OBJECT
public:
    // Takes drops on `maal` (for a list: on its entries' area).
    explicit Slaeppmaal(QWidget *maal);
    // Whether a drag over the point would be taken (unset: anything of ours).
    std::function<bool(const Dragdata &, QPoint)> OnDragOver;
    // The drop; false refuses it (the source's drag ends as refused).
    std::function<bool(const Dragdata &, QPoint)> OnDragDrop;
    QWidget *maal() const { return m_maal; }
    // The widget the window system sends the drag events to.
    QWidget *mottagare() const;
protected:
    bool eventFilter(QObject *o, QEvent *e) override;
private:
    QWidget *m_maal;
    bool m_tar = false;        // the last enter or move was accepted
};

} // namespace plattform
