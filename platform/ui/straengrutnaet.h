#pragma once
// A grid of text cells as the windows' string grids are described: columns
// and rows counted from 0 with the first `fastaKolumner` columns and
// `fastaRader` rows fixed (a heading in their own colour, never selected),
// cells addressed column first, a default row height and column widths in
// pixels, grid lines, whole-row selection, scroll bars on or off.
#include <QColor>
#include <QPoint>
#include <QTableWidget>
#include <functional>

namespace plattform {

class Straengrutnaet : public QTableWidget {
    Q_OBJECT
public:
    Straengrutnaet(QWidget *foeraelder, const QString &namn, const QRect &ram, int kolumner, int rader,
                   int fastaKolumner = 1, int fastaRader = 1);

    // Cells[kol][rad]
    QString cell(int kol, int rad) const;
    void saettCell(int kol, int rad, const QString &text);

    void saettFastFaerg(const QColor &c);          // FixedColor
    void saettRadhoejd(int pixlar);                // DefaultRowHeight
    void saettKolumnbredd(int kol, int pixlar);    // ColWidths[kol]
    void saettRutnaet(bool linjer);                // grid lines
    void saettHelRad(bool paa);                    // the whole row is selected
    void saettRullningslister(bool vaagraet, bool lodraet);

    int Row() const { return currentRow(); }
    int Col() const { return currentColumn(); }
    // The cell under a point of the grid's cell area; (-1, -1) for none.
    // x is the column, y the row.
    QPoint MouseToCell(QPoint punkt) const;

    std::function<void()> OnEnter;                 // Enter pressed in the grid
    std::function<void(int kol, int rad)> OnDblClick;
protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
private:
    QTableWidgetItem *post(int kol, int rad);
    void faerglaeggFasta();
    int m_fastaKolumner;
    int m_fastaRader;
    QColor m_fastFaerg = QColor(0xC0, 0xC0, 0xC0);
};

} // namespace plattform
