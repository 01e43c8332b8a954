#pragma once

#include "app/colori.h"
#include "app/interfaccia.h"
#include "frame/disposizione.h"

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <functional>
#include <optional>
#include <span>

// Text1: the box that shows the item. Display only: the pupil never types
// into it, and it takes no focus; a click on it says cliccata() (the word is
// read aloud).
class CasellaElemento final : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void cliccata();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
};

// Controls that several exercise windows share, each written once.
namespace Controlli {

// Text1 at its place, in Arial bold of the window's size.
CasellaElemento* casellaElemento(QWidget* genitore, const Rettangolo& posto, double punti);

// A control at its place in twips, at the scale of its window (Interfaccia::disponi).
void disponi(QWidget* controllo, const Rettangolo& posto);

// The objectName of element `indice` of a control array: "Label3_0".
QString nomeElemento(const char* nome, int indice);

} // namespace Controlli

// An answer button painted flat in its face colour, with a raised edge, as
// the program's coloured buttons are: the red of a pressed answer is pure red,
// the grey after "avanti" is exactly light grey. The caption wraps and stays
// readable on every face, also while the button is disabled.
class BottoneRisposta : public BottoneACapo {
    Q_OBJECT
public:
    using BottoneACapo::BottoneACapo;

protected:
    void paintEvent(QPaintEvent* evento) override;
};

// A row of answer buttons laid out from a table: name, caption and place of
// each, one caption size for all. A click on button k (1-based) calls
// `premuto(k)`.
class RigaBottoni {
public:
    RigaBottoni(QWidget* genitore, std::span<const ControlloDisposto> bottoni, double punti,
                std::function<void(int)> premuto);

    // All enabled or all disabled; the face colour of button k, or the
    // system's button colour where `colore(k)` gives none.
    void mostra(bool abilitati, const std::function<std::optional<ColoreVb>(int)>& colore) const;

    const QList<BottoneRisposta*>& bottoni() const { return bottoni_; }

private:
    QList<BottoneRisposta*> bottoni_;
};

// A label used as a box: opaque background (white unless coloured), a
// single-line border and its text centred, Arial 14.25 pt bold unless given
// another font. A click while it is enabled says cliccata(indice); a disabled
// box does nothing.
class Casella : public QLabel {
    Q_OBJECT
public:
    Casella(QWidget* genitore, const QString& nome, int indice, const Rettangolo& posto);

    int indice() const { return indice_; }
    void colora(ColoreVb sfondo);

signals:
    void cliccata(int indice);

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    // The border grows with the window's scale.
    void resizeEvent(QResizeEvent* evento) override;

private:
    int indice_;
    bool premuta = false;
};

// A box the pupil drags with the mouse: pressing the button on it starts a
// drag at once, as long as it is enabled. The box it is dropped on tells
// what happened; let go on the box itself, with no drop, it is a click.
class CasellaTrascinabile : public Casella {
    Q_OBJECT
public:
    using Casella::Casella;

protected:
    void mousePressEvent(QMouseEvent* evento) override;
};

// A box that takes the drop of a drag box of its own window and says
// lasciata(sorgente, bersaglio): the index of the box dragged and its own.
// A drop of anything else is refused and changes nothing.
class CasellaBersaglio : public Casella {
    Q_OBJECT
public:
    CasellaBersaglio(QWidget* genitore, const QString& nome, int indice, const Rettangolo& posto);

    // The drop of `sorgente` on this box, as a real drop runs it: false, and
    // nothing said, when it is not an enabled drag box of this window.
    bool ricevi(const QObject* sorgente);

signals:
    void lasciata(int sorgente, int bersaglio);

protected:
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dragMoveEvent(QDragMoveEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    const CasellaTrascinabile* trascinabile(const QObject* sorgente) const;
    bool accetta(const QDropEvent* evento) const;
};
