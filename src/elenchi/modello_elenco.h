// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elenchi/controllo_elenco.h"

#include <QAbstractTableModel>
#include <QHash>
#include <memory>

// A block of cells as a spreadsheet puts it on the clipboard: a line a row,
// cells separated by tabs, a cell that holds a tab, a line end or begins
// with a quote in double quotes (a quote inside doubled).
Tabella bloccoDaTesto(const QString& testo);
QString testoDaBlocco(const Tabella& blocco);

// One list as a table: a record a row, a field a column, named by the
// record's shape. Every change is one step that can be undone, and is
// followed by the check of the whole list.
class ModelloElenco final : public QAbstractTableModel {
    Q_OBJECT
public:
    // What a cell holds for the check: nothing to say, a fault, a warning.
    enum Ruolo { RuoloStato = Qt::UserRole + 1 };
    enum Stato { Nessuno = 0, Guasto = 1, Avviso = 2 };

    explicit ModelloElenco(std::shared_ptr<const ControlloElenco> controllo, Tabella tabella = {},
                           QObject* genitore = nullptr);

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valore, int ruolo = Qt::EditRole) override;

    const ControlloElenco& controllo() const { return *controllo_; }
    const Tabella& tabella() const { return tabella_; }
    const EsitoControllo& esito() const { return esito_; }

    // Changed since it was read or last saved.
    bool modificato() const { return tabella_ != salvata; }
    void segnaSalvato() { salvata = tabella_; }

    // An empty record after row `dopo` (0-based; -1: at the top); its first cell.
    QModelIndex aggiungiRecord(int dopo);
    // Takes away the records of these rows (0-based).
    void rimuoviRecord(QList<int> righe);
    // Empties these cells.
    void svuota(const QModelIndexList& celle);
    // The whole table in place of this one (an imported file).
    void sostituisci(Tabella tabella);

    // A block put with its top left cell at (riga, colonna), records added as
    // it needs; cells beyond the last column are left out. The cells it
    // filled; `tagliate` receives how many cells were left out.
    QRect incolla(int riga, int colonna, const QString& testo, int* tagliate = nullptr);
    // The cells of `area` as a block.
    QString copia(const QRect& area) const;

    bool puoAnnullare() const { return !indietro.isEmpty(); }
    bool puoRipetere() const { return !avanti.isEmpty(); }
    void annulla();
    void ripeti();

    // The next cell after `da`, row by row, holding `cercato` (any letter
    // case), coming round to the top; invalid when none does.
    QModelIndex trova(const QString& cercato, const QModelIndex& da) const;

signals:
    // The check was made again: esito() is new.
    void controllato();

private:
    void applica(Tabella nuova);
    void mostra(Tabella nuova);
    void ricontrolla();

    std::shared_ptr<const ControlloElenco> controllo_;
    Tabella tabella_;
    Tabella salvata;
    QList<Tabella> indietro;
    QList<Tabella> avanti;
    EsitoControllo esito_;
    // What the check says of each cell: key row * 64 + column, both 0-based.
    QHash<qint64, QPair<Stato, QString>> perCella;
};
