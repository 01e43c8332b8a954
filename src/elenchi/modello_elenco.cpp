// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "elenchi/modello_elenco.h"

#include <QRect>
#include <algorithm>

namespace {

qint64 chiaveCella(int riga, int colonna)
{
    return qint64(riga) * 64 + colonna;
}

} // namespace

Tabella bloccoDaTesto(const QString& testo)
{
    Tabella blocco;
    QStringList riga;
    QString cella;
    qsizetype i = 0;
    const qsizetype n = testo.size();
    bool finita = false;   // the last row ended with a line end
    while (i < n) {
        finita = false;
        if (testo[i] == u'"' && cella.isEmpty()) {
            // Quoted: to the lone closing quote; a doubled quote is one.
            for (++i; i < n; ++i) {
                if (testo[i] == u'"') {
                    if (i + 1 < n && testo[i + 1] == u'"') {
                        cella += u'"';
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                } else {
                    cella += testo[i];
                }
            }
            continue;
        }
        const QChar c = testo[i++];
        if (c == u'\t') {
            riga.append(cella.trimmed());
            cella.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i < n && testo[i] == u'\n')
                ++i;
            riga.append(cella.trimmed());
            cella.clear();
            blocco.append(riga);
            riga.clear();
            finita = true;
        } else {
            cella += c;
        }
    }
    if (!finita && (n > 0))
        blocco.append(riga << cella.trimmed());
    return blocco;
}

QString testoDaBlocco(const Tabella& blocco)
{
    QString testo;
    for (const QStringList& riga : blocco) {
        for (qsizetype c = 0; c < riga.size(); ++c) {
            if (c > 0)
                testo += u'\t';
            const QString& cella = riga[c];
            if (cella.contains(u'\t') || cella.contains(u'\n') || cella.contains(u'\r') || cella.startsWith(u'"'))
                testo += u'"' + QString(cella).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
            else
                testo += cella;
        }
        testo += u'\n';
    }
    return testo;
}

ModelloElenco::ModelloElenco(std::shared_ptr<const ControlloElenco> controllo, Tabella tabella, QObject* genitore)
    : QAbstractTableModel(genitore)
    , controllo_(std::move(controllo))
    , tabella_(std::move(tabella))
{
    const qsizetype campi = controllo_->elenco().colonne.size();
    for (QStringList& record : tabella_)
        record.resize(campi);
    salvata = tabella_;
    ricontrolla();
}

int ModelloElenco::rowCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : int(tabella_.size());
}

int ModelloElenco::columnCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : int(controllo_->elenco().colonne.size());
}

QVariant ModelloElenco::data(const QModelIndex& indice, int ruolo) const
{
    if (!indice.isValid() || indice.row() >= tabella_.size() || indice.column() >= columnCount())
        return {};
    const QString& parola = tabella_[indice.row()][indice.column()];
    const auto detto = perCella.constFind(chiaveCella(indice.row(), indice.column()));
    switch (ruolo) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return parola;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return detto != perCella.cend() ? QVariant(detto->second) : QVariant();
    case Qt::AccessibleTextRole:
        // What a screen reader says of a cell: its column, its row, its word.
        return QStringLiteral("%1, riga %2: %3")
            .arg(controllo_->elenco().colonne.value(indice.column()))
            .arg(indice.row() + 1)
            .arg(parola.isEmpty() ? QStringLiteral("vuota") : parola);
    case RuoloStato:
        return int(detto != perCella.cend() ? detto->first : Nessuno);
    default:
        return {};
    }
}

QVariant ModelloElenco::headerData(int sezione, Qt::Orientation verso, int ruolo) const
{
    if (ruolo != Qt::DisplayRole && ruolo != Qt::AccessibleTextRole)
        return {};
    if (verso == Qt::Horizontal)
        return controllo_->elenco().colonne.value(sezione);
    return sezione + 1;
}

Qt::ItemFlags ModelloElenco::flags(const QModelIndex& indice) const
{
    return indice.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::NoItemFlags;
}

bool ModelloElenco::setData(const QModelIndex& indice, const QVariant& valore, int ruolo)
{
    if (ruolo != Qt::EditRole || !indice.isValid() || indice.row() >= tabella_.size())
        return false;
    const QString parola = valore.toString().trimmed();
    if (tabella_[indice.row()][indice.column()] == parola)
        return true;
    Tabella nuova = tabella_;
    nuova[indice.row()][indice.column()] = parola;
    applica(std::move(nuova));
    return true;
}

QModelIndex ModelloElenco::aggiungiRecord(int dopo)
{
    const int riga = std::clamp(dopo + 1, 0, int(tabella_.size()));
    Tabella nuova = tabella_;
    nuova.insert(riga, QStringList(columnCount()));
    applica(std::move(nuova));
    return index(riga, 0);
}

void ModelloElenco::rimuoviRecord(QList<int> righe)
{
    std::sort(righe.begin(), righe.end(), std::greater<>());
    righe.erase(std::unique(righe.begin(), righe.end()), righe.end());
    Tabella nuova = tabella_;
    for (int riga : std::as_const(righe)) {
        if (riga >= 0 && riga < nuova.size())
            nuova.removeAt(riga);
    }
    if (nuova.size() != tabella_.size())
        applica(std::move(nuova));
}

void ModelloElenco::svuota(const QModelIndexList& celle)
{
    Tabella nuova = tabella_;
    for (const QModelIndex& cella : celle) {
        if (cella.isValid() && cella.row() < nuova.size() && cella.column() < columnCount())
            nuova[cella.row()][cella.column()].clear();
    }
    if (nuova != tabella_)
        applica(std::move(nuova));
}

void ModelloElenco::sostituisci(Tabella tabella)
{
    for (QStringList& record : tabella)
        record.resize(columnCount());
    if (tabella != tabella_)
        applica(std::move(tabella));
}

QRect ModelloElenco::incolla(int riga, int colonna, const QString& testo, int* tagliate)
{
    const Tabella blocco = bloccoDaTesto(testo);
    riga = std::clamp(riga, 0, int(tabella_.size()));
    colonna = std::clamp(colonna, 0, columnCount() - 1);
    Tabella nuova = tabella_;
    int fuori = 0, larghezza = 0;
    for (qsizetype r = 0; r < blocco.size(); ++r) {
        if (riga + r >= nuova.size())
            nuova.append(QStringList(columnCount()));
        QStringList& record = nuova[riga + r];
        for (qsizetype c = 0; c < blocco[r].size(); ++c) {
            if (colonna + c >= columnCount()) {
                fuori += blocco[r][c].isEmpty() ? 0 : 1;
                continue;
            }
            record[colonna + c] = blocco[r][c];
            larghezza = std::max(larghezza, int(c + 1));
        }
    }
    if (tagliate)
        *tagliate = fuori;
    if (nuova != tabella_)
        applica(std::move(nuova));
    return blocco.isEmpty() ? QRect() : QRect(colonna, riga, larghezza, int(blocco.size()));
}

QString ModelloElenco::copia(const QRect& area) const
{
    Tabella blocco;
    for (int r = area.top(); r <= area.bottom() && r < tabella_.size(); ++r) {
        if (r < 0)
            continue;
        blocco.append(tabella_[r].mid(area.left(), area.width()));
    }
    return testoDaBlocco(blocco);
}

void ModelloElenco::annulla()
{
    if (indietro.isEmpty())
        return;
    avanti.append(tabella_);
    mostra(indietro.takeLast());
}

void ModelloElenco::ripeti()
{
    if (avanti.isEmpty())
        return;
    indietro.append(tabella_);
    mostra(avanti.takeLast());
}

QModelIndex ModelloElenco::trova(const QString& cercato, const QModelIndex& da) const
{
    const int colonne = columnCount();
    const int celle = int(tabella_.size()) * colonne;
    if (cercato.isEmpty() || celle == 0)
        return {};
    const int inizio = da.isValid() ? da.row() * colonne + da.column() : -1;
    for (int passo = 1; passo <= celle; ++passo) {
        const int cella = (inizio + passo) % celle;
        if (tabella_[cella / colonne][cella % colonne].contains(cercato, Qt::CaseInsensitive))
            return index(cella / colonne, cella % colonne);
    }
    return {};
}

void ModelloElenco::applica(Tabella nuova)
{
    indietro.append(tabella_);
    avanti.clear();
    mostra(std::move(nuova));
}

void ModelloElenco::mostra(Tabella nuova)
{
    if (nuova.size() == tabella_.size()) {
        tabella_ = std::move(nuova);
        ricontrolla();
        if (!tabella_.isEmpty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    } else {
        beginResetModel();
        tabella_ = std::move(nuova);
        ricontrolla();
        endResetModel();
    }
    emit controllato();
}

void ModelloElenco::ricontrolla()
{
    esito_ = controllo_->controlla(tabella_);
    perCella.clear();
    const auto segna = [&](const Segnalazione& s, Stato stato) {
        if (s.riga < 1 || s.riga > tabella_.size())
            return;
        const int da = s.colonna > 0 ? s.colonna - 1 : 0;
        const int a = s.colonna > 0 ? s.colonna : columnCount();
        for (int c = da; c < a; ++c) {
            auto& cella = perCella[chiaveCella(s.riga - 1, c)];
            if (cella.first == Nessuno || (cella.first == Avviso && stato == Guasto)) {
                cella = {stato, s.testo};
            } else if (cella.first == stato) {
                cella.second += u'\n' + s.testo;
            }
        }
    };
    for (const Segnalazione& s : std::as_const(esito_.guasti))
        segna(s, Guasto);
    for (const Segnalazione& s : std::as_const(esito_.avvisi))
        segna(s, Avviso);
}
