// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/colori.h"
#include "comune/interfaccia.h"
#include "frame/disposizione.h"

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <functional>
#include <optional>
#include <span>

// A text box of the exercises (Text1, Text2): with the focus it shows the
// focus mark.
class CasellaTesto : public QLineEdit {
    Q_OBJECT
public:
    explicit CasellaTesto(QWidget* genitore);

protected:
    void paintEvent(QPaintEvent* evento) override;
};

// Text1: the box that shows the item. Display only: the pupil never types
// into it. Tab reaches it, so that a screen reader reads the word again, and
// selects nothing; a click takes no focus and says cliccata() (the word is
// read aloud).
class CasellaElemento final : public CasellaTesto {
    Q_OBJECT
public:
    using CasellaTesto::CasellaTesto;

signals:
    void cliccata();

protected:
    void focusInEvent(QFocusEvent* evento) override;
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

// Tab goes through the controls in this order.
void ordinaTab(const QList<QWidget*>& controlli);

// The word picked up in the window of `finestra`, if any, out of the hand
// without a word said: it was placed, or a new board came.
void lasciaPresa(const QWidget* finestra);

// The controls as they stand on screen, from the top down.
QList<QWidget*> dallAlto(QList<QWidget*> controlli);

// The controls column by column from the left, each from the top down; a
// control belongs to the column of one whose left edge is within half its
// width of its own.
QList<QWidget*> perColonne(QList<QWidget*> controlli);

// Of `altri`, the nearest to `da` the way an arrow key points (Qt::Key_Left,
// Right, Up or Down): the distance along the arrow counts once, the distance
// across it twice. Nullptr when none lies that way; with `dritto`, none
// lies more across the arrow than along it.
QWidget* versoFreccia(const QWidget* da, const QList<QWidget*>& altri, int tasto, bool dritto = false);

} // namespace Controlli

// An answer button painted flat in its face colour, with a raised edge, as
// the program's coloured buttons are: the red of a pressed answer is pure red,
// the grey after "avanti" is exactly light grey. The caption wraps and stays
// readable on every face, also while the button is disabled. Enter presses
// it, as Space does.
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
//
// A box the pupil answers with is made to take the focus by Tab
// (setFocusPolicy(Qt::TabFocus)): then Space and Enter do what a click does,
// the arrows move the focus to the nearest such box of the window that way,
// and the box shows the focus mark. A screen reader meets it as a button,
// named by its text, or by etichetta() and its text, or by its
// accessibleName() where it has one.
class Casella : public QLabel {
    Q_OBJECT
public:
    Casella(QWidget* genitore, const QString& nome, int indice, const Rettangolo& posto);

    int indice() const { return indice_; }
    void colora(ColoreVb sfondo);

    // What the box is, for a screen reader ("diminutivo di casa"); its text follows.
    const QString& etichetta() const { return etichetta_; }
    void impostaEtichetta(const QString& etichetta);

    // What a click, Space or Enter does.
    virtual void premi();

signals:
    void cliccata(int indice);

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    // The border grows with the window's scale.
    void resizeEvent(QResizeEvent* evento) override;

    // What a click of the mouse does: what premi() does.
    virtual void clic();

    // The mark the box shows now, if any.
    virtual std::optional<Interfaccia::Segno> segno() const;
    bool premuta() const { return premuta_; }
    void dimentica() { premuta_ = false; }

private:
    bool spostaFuoco(int tasto);

    int indice_;
    bool premuta_ = false;
    QString etichetta_;
};

// A box the pupil moves onto a target box: by a mouse drag (the drag starts
// once the pointer moves with the button held), or by picking it up (a click,
// Space or Enter: it shows the mark of a word picked up) and putting it down
// on a target box with another (Escape, or the same again, puts it back).
// A click also says cliccata() (the word is read aloud). The target box
// tells what happened. Takes the focus by Tab.
class CasellaTrascinabile : public Casella {
    Q_OBJECT
public:
    CasellaTrascinabile(QWidget* genitore, const QString& nome, int indice, const Rettangolo& posto);

    void premi() override;
    bool presa() const;

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void clic() override;
    std::optional<Interfaccia::Segno> segno() const override;

private:
    QPoint punto;   // where the button was pressed
};

// A box that takes the drop of a drag box of its own window and says
// lasciata(sorgente, bersaglio): the index of the box dragged and its own.
// A drop of anything else is refused and changes nothing. While a box of its
// window is picked up, a click, Space or Enter puts it down here, as a drop;
// with the focus, the box then shows the mark of the chosen target. A click
// with nothing picked up says cliccata() (its word is read aloud). Takes the
// focus by Tab.
class CasellaBersaglio : public Casella {
    Q_OBJECT
public:
    CasellaBersaglio(QWidget* genitore, const QString& nome, int indice, const Rettangolo& posto);

    // The drop of `sorgente` on this box, as a real drop runs it: false, and
    // nothing said, when it is not an enabled drag box of this window.
    bool ricevi(const QObject* sorgente);

    void premi() override;
    // The box's word read aloud, as a click with nothing in the hand reads it.
    void leggi() { emit cliccata(indice()); }

signals:
    void lasciata(int sorgente, int bersaglio);

protected:
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dragMoveEvent(QDragMoveEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;
    void clic() override;
    std::optional<Interfaccia::Segno> segno() const override;

private:
    const CasellaTrascinabile* trascinabile(const QObject* sorgente) const;
    bool accetta(const QDropEvent* evento) const;
};
