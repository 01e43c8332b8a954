// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "elenchi/finestra_elenchi.h"

#include "comune/dialoghi.h"
#include "comune/interfaccia.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QSet>
#include <QTableView>
#include <QTranslator>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Cells with a fault in pale red, with a warning in pale yellow; the text stays black.
class DelegatoCelle final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* opzione, const QModelIndex& indice) const override
    {
        QStyledItemDelegate::initStyleOption(opzione, indice);
        const int stato = indice.data(ModelloElenco::RuoloStato).toInt();
        if (stato == ModelloElenco::Guasto)
            opzione->backgroundBrush = QColor(0xff, 0xc8, 0xc8);
        else if (stato == ModelloElenco::Avviso)
            opzione->backgroundBrush = QColor(0xff, 0xf0, 0xb0);
    }
};

QString parolePlurali(qsizetype quanti, const char* una, const char* tante)
{
    return quanti == 1 ? QString::fromUtf8(una) : QStringLiteral("%1 %2").arg(quanti).arg(QString::fromUtf8(tante));
}

enum Colonna { ColNome, ColFile, ColRecord, ColProvenienza, ColEsercizi, ColGuasto };

} // namespace

// The words Qt itself shows in the editor (a cell's context menu, the import
// dialog), in Italian: the program ships no translation files.
class FinestraElenchi::TraduzioniQt final : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* contesto, const char* testo, const char* = nullptr, int = -1) const override
    {
        static const QSet<QByteArray> contesti{"QLineEdit", "QFileDialog", "QFileSystemModel", "QPlatformTheme",
                                               "QMessageBox"};
        static const QHash<QByteArray, QString> parole{
            {"&Undo", QStringLiteral("&Annulla")},
            {"&Redo", QStringLiteral("&Ripeti")},
            {"Cu&t", QStringLiteral("&Taglia")},
            {"&Copy", QStringLiteral("&Copia")},
            {"&Paste", QStringLiteral("&Incolla")},
            {"Delete", QStringLiteral("Elimina")},
            {"&Select All", QStringLiteral("Seleziona &tutto")},
            {"Back", QStringLiteral("Indietro")},
            {"Forward", QStringLiteral("Avanti")},
            {"Parent Directory", QStringLiteral("Cartella superiore")},
            {"Create New Folder", QStringLiteral("Crea una nuova cartella")},
            {"&New Folder", QStringLiteral("&Nuova cartella")},
            {"New Folder", QStringLiteral("Nuova cartella")},
            {"List View", QStringLiteral("Elenco")},
            {"Detail View", QStringLiteral("Dettagli")},
            {"Show &hidden files", QStringLiteral("Mostra i file &nascosti")},
            {"&Rename", QStringLiteral("&Rinomina")},
            {"&Delete", QStringLiteral("&Elimina")},
            {"Recent Places", QStringLiteral("Luoghi recenti")},
            {"Are you sure you want to delete '%1'?", QStringLiteral("Vuoi davvero eliminare '%1'?")},
            {"Name", QStringLiteral("Nome")},
            {"Size", QStringLiteral("Dimensione")},
            {"Type", QStringLiteral("Tipo")},
            {"Date Modified", QStringLiteral("Ultima modifica")},
            {"Drive", QStringLiteral("Unità")},
            {"My Computer", QStringLiteral("Computer")},
            {"Computer", QStringLiteral("Computer")},
            {"&Yes", QStringLiteral("&Sì")},
            {"&No", QStringLiteral("&No")},
            {"Cancel", QStringLiteral("Annulla")},
            {"&Open", QStringLiteral("&Apri")},
            {"Open", QStringLiteral("Apri")},
        };
        if (!contesto || !testo || !contesti.contains(QByteArray(contesto)))
            return {};
        return parole.value(QByteArray(testo));
    }
};

namespace {

} // namespace

FinestraElenchi::FinestraElenchi(ArchivioElenchi archivioElenchi, QList<EsercizioDaVerificare> eserciziMenu,
                                 const QString& file, QWidget* genitore)
    : QMainWindow(genitore)
    , archivio(std::move(archivioElenchi))
    , esercizi(std::move(eserciziMenu))
{
    traduzioni = std::make_unique<TraduzioniQt>();
    QCoreApplication::installTranslator(traduzioni.get());
    setObjectName(QStringLiteral("FinestraElenchi"));
    setWindowTitle(QStringLiteral("Elenchi di Catalogare i lumeri"));
    setWindowIcon(Interfaccia::icona(QStringLiteral("titolo")));

    schede = new QTreeWidget;
    schede->setObjectName(QStringLiteral("Elenchi"));
    schede->setAccessibleName(QStringLiteral("Elenchi di parole"));
    schede->setRootIsDecorated(false);
    schede->setHeaderLabels({QStringLiteral("Elenco"), QStringLiteral("File"), QStringLiteral("Record"),
                             QStringLiteral("Da dove"), QStringLiteral("Esercizi"), QStringLiteral("Problema")});

    auto* pannello = new QWidget;
    auto* colonna = new QVBoxLayout(pannello);
    titolo = new QLabel;
    titolo->setObjectName(QStringLiteral("Titolo"));
    QFont grande = titolo->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    grande.setBold(true);
    titolo->setFont(grande);
    notizie = new QLabel;
    notizie->setObjectName(QStringLiteral("Notizie"));
    notizie->setWordWrap(true);
    notizie->setTextInteractionFlags(Qt::TextSelectableByMouse);

    barraCerca = new QWidget;
    auto* rigaCerca = new QHBoxLayout(barraCerca);
    rigaCerca->setContentsMargins(0, 0, 0, 0);
    auto* etichettaCerca = new QLabel(QStringLiteral("&Trova:"));
    cerca = new QLineEdit;
    cerca->setObjectName(QStringLiteral("Trova"));
    etichettaCerca->setBuddy(cerca);
    rigaCerca->addWidget(etichettaCerca);
    rigaCerca->addWidget(cerca, 1);
    barraCerca->hide();
    connect(cerca, &QLineEdit::returnPressed, this, &FinestraElenchi::trova);
    connect(new QShortcut(Qt::Key_Escape, barraCerca, nullptr, nullptr, Qt::WidgetWithChildrenShortcut),
            &QShortcut::activated, this, [this] {
                barraCerca->hide();
                tabella->setFocus();
            });

    tabella = new QTableView;
    tabella->setObjectName(QStringLiteral("Tabella"));
    tabella->setItemDelegate(new DelegatoCelle(tabella));
    tabella->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                             | QAbstractItemView::EditKeyPressed);
    tabella->setSelectionMode(QAbstractItemView::ContiguousSelection);
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabella->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    conteggio = new QLabel;
    conteggio->setObjectName(QStringLiteral("Conteggio"));
    conteggio->setWordWrap(true);
    guasti = new QListWidget;
    guasti->setObjectName(QStringLiteral("Problemi"));
    guasti->setAccessibleName(QStringLiteral("Problemi"));
    avvisi = new QListWidget;
    avvisi->setObjectName(QStringLiteral("Avvisi"));
    avvisi->setAccessibleName(QStringLiteral("Avvisi"));
    auto* etichettaAvvisi = new QLabel(QStringLiteral("A&vvisi (l'elenco si può salvare, ma guarda se è giusto):"));
    etichettaAvvisi->setBuddy(avvisi);
    const auto vai = [this](QListWidgetItem* voce) {
        vaiA(voce->data(Qt::UserRole).toInt(), voce->data(Qt::UserRole + 1).toInt());
    };
    connect(guasti, &QListWidget::itemActivated, this, vai);
    connect(avvisi, &QListWidget::itemActivated, this, vai);

    colonna->addWidget(titolo);
    colonna->addWidget(notizie);
    colonna->addWidget(barraCerca);
    colonna->addWidget(tabella, 4);
    colonna->addWidget(conteggio);
    colonna->addWidget(guasti, 1);
    colonna->addWidget(etichettaAvvisi);
    colonna->addWidget(avvisi, 1);

    auto* divisore = new QSplitter(Qt::Vertical);
    divisore->addWidget(schede);
    divisore->addWidget(pannello);
    divisore->setSizes({230, 570});
    guasti->setMaximumHeight(110);
    avvisi->setMaximumHeight(90);
    setCentralWidget(divisore);
    stato = new QLabel;
    stato->setObjectName(QStringLiteral("Stato"));
    statusBar()->addWidget(stato, 1);

    creaMenu();
    aggiornaSchede();
    resize(1100, 800);

    connect(schede, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* voce) {
        if (apri(voce->text(ColFile)))
            tabella->setFocus();
    });
    const DescrizioneElenco* primo = file.isEmpty() ? &descrizioniElenchi().first() : descrizioneElenco(file);
    apri(primo ? primo->file : descrizioniElenchi().first().file);
    if (!primo)
        stato->setText(QStringLiteral("\"%1\" non è il nome di un elenco: ecco il primo.").arg(file));
    tabella->setFocus();
}

FinestraElenchi::~FinestraElenchi()
{
    tabella->setModel(nullptr);
    QCoreApplication::removeTranslator(traduzioni.get());
}

void FinestraElenchi::creaMenu()
{
    const auto azione = [this](QMenu* menu, const QString& testo, QKeySequence tasto, auto fa) {
        QAction* a = menu->addAction(testo);
        if (!tasto.isEmpty())
            a->setShortcut(tasto);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, fa);
        return a;
    };
    QMenu* elenco = menuBar()->addMenu(QStringLiteral("&Elenco"));
    azione(elenco, QStringLiteral("&Salva nella tua cartella"), QKeySequence::Save, [this] { salva(); });
    azioneAula = azione(elenco, QStringLiteral("Salva per tutta l'&aula"), {}, [this] { salva(true); });
    azioneProva = azione(elenco, QStringLiteral("&Prova nell'esercizio"), Qt::Key_F5, &FinestraElenchi::provaElenco);
    azione(elenco, QStringLiteral("&Importa da un file..."), Qt::CTRL | Qt::Key_I, &FinestraElenchi::importa);
    elenco->addSeparator();
    azioneFornito = azione(elenco, QStringLiteral("&Torna all'elenco fornito"), {}, &FinestraElenchi::tornaAlFornito);
    azioneRiprendi = azione(elenco, QStringLiteral("&Riprendi la tua copia"), {}, &FinestraElenchi::riprendiCopia);
    elenco->addSeparator();
    azione(elenco, QStringLiteral("&Esci"), Qt::CTRL | Qt::Key_Q, [this] { close(); });

    QMenu* modifica = menuBar()->addMenu(QStringLiteral("&Modifica"));
    // The cell she was on stays current when a step adds or takes away records.
    const auto restando = [this](void (ModelloElenco::*passo)()) {
        if (!modello_)
            return;
        const QModelIndex qui = tabella->currentIndex();
        (modello_.get()->*passo)();
        if (!tabella->currentIndex().isValid() && modello_->rowCount() > 0)
            tabella->setCurrentIndex(modello_->index(std::clamp(qui.row(), 0, modello_->rowCount() - 1),
                                                     std::max(qui.column(), 0)));
    };
    azioneAnnulla = azione(modifica, QStringLiteral("&Annulla"), QKeySequence::Undo,
                           [restando] { restando(&ModelloElenco::annulla); });
    azioneRipeti = azione(modifica, QStringLiteral("&Ripeti"), Qt::CTRL | Qt::Key_Y,
                          [restando] { restando(&ModelloElenco::ripeti); });
    modifica->addSeparator();
    azione(modifica, QStringLiteral("&Taglia"), QKeySequence::Cut, &FinestraElenchi::taglia);
    azione(modifica, QStringLiteral("&Copia"), QKeySequence::Copy, &FinestraElenchi::copia);
    azione(modifica, QStringLiteral("&Incolla"), QKeySequence::Paste, &FinestraElenchi::incolla);
    azione(modifica, QStringLiteral("&Svuota le celle"), Qt::Key_Delete, &FinestraElenchi::svuota);
    modifica->addSeparator();
    azione(modifica, QStringLiteral("&Nuovo record"), Qt::CTRL | Qt::Key_N, &FinestraElenchi::nuovoRecord);
    azione(modifica, QStringLiteral("T&ogli i record"), Qt::CTRL | Qt::Key_Delete, &FinestraElenchi::togliRecord);
    modifica->addSeparator();
    azione(modifica, QStringLiteral("T&rova..."), QKeySequence::Find, [this] {
        barraCerca->show();
        cerca->setFocus();
        cerca->selectAll();
    });
    azione(modifica, QStringLiteral("Trova an&cora"), Qt::Key_F3, &FinestraElenchi::trova);
}

void FinestraElenchi::aggiornaSchede()
{
    const QString aperto = modello_ ? modello_->controllo().elenco().file : QString();
    schede->clear();
    for (const SchedaElenco& scheda : schedeElenchi(archivio, esercizi)) {
        auto* voce = new QTreeWidgetItem(schede);
        voce->setText(ColNome, scheda.descrizione.nome);
        voce->setText(ColFile, scheda.descrizione.file);
        voce->setText(ColRecord, QString::number(scheda.record));
        voce->setText(ColProvenienza, nomeProvenienza(scheda.provenienza));
        voce->setText(ColEsercizi, scheda.esercizi.join(QStringLiteral(", ")));
        if (scheda.guasto) {
            const ErroreElenco& e = *scheda.guasto;
            voce->setText(ColGuasto, e.riga > 0 ? QStringLiteral("riga %1: %2").arg(e.riga).arg(e.guasto) : e.guasto);
            voce->setForeground(ColGuasto, QColor(0xa0, 0, 0));
        }
        if (scheda.descrizione.file == aperto)
            schede->setCurrentItem(voce);
    }
    for (int c = 0; c < schede->columnCount() - 1; ++c)
        schede->resizeColumnToContents(c);
}

bool FinestraElenchi::lasciaElenco()
{
    if (!modello_ || !modello_->modificato())
        return true;
    QMessageBox domanda(QMessageBox::Question, QString::fromUtf8(Dialoghi::Titolo),
                        QStringLiteral("Hai cambiato l'elenco \"%1\" senza salvarlo. Vuoi salvarlo?")
                            .arg(modello_->controllo().elenco().nome),
                        QMessageBox::NoButton, this);
    QPushButton* si = domanda.addButton(QStringLiteral("Salva"), QMessageBox::AcceptRole);
    QPushButton* no = domanda.addButton(QStringLiteral("Non salvare"), QMessageBox::DestructiveRole);
    QPushButton* resta = domanda.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    domanda.setDefaultButton(si);
    domanda.setEscapeButton(resta);
    domanda.exec();
    if (domanda.clickedButton() == si)
        return salva();
    return domanda.clickedButton() == no;
}

bool FinestraElenchi::apri(const QString& file)
{
    const DescrizioneElenco* elenco = descrizioneElenco(file);
    if (!elenco)
        return false;
    if (modello_ && modello_->controllo().elenco().file == elenco->file)
        return true;
    if (!lasciaElenco())
        return false;
    const ElencoAperto aperto = archivio.apri(*elenco);
    auto controllo = std::make_shared<ControlloElenco>(*elenco, archivio.cartelle().elenchi(), esercizi,
                                                       archivio.cartelle().testi());
    auto nuovo = std::make_unique<ModelloElenco>(std::move(controllo), aperto.tabella);
    tabella->setModel(nuovo.get());
    modello_ = std::move(nuovo);
    connect(modello_.get(), &ModelloElenco::controllato, this, &FinestraElenchi::mostraEsito);
    percorsoLetto = archivio.percorsoInsegnante(elenco->file);
    letto = ArchivioElenchi::contenuto(percorsoLetto);
    guastiDetti = -1;
    lettoIntero = !aperto.errore;

    titolo->setText(QStringLiteral("%1 (%2)").arg(elenco->nome, elenco->file));
    QStringList nomi;
    for (const EsercizioDaVerificare& esercizio : modello_->controllo().esercizi())
        nomi.append(virgolettato(esercizio.nome));
    QString testo = QStringLiteral("Lo leggono gli esercizi: %1. Da dove viene: %2.")
                        .arg(nomi.isEmpty() ? QStringLiteral("nessuno") : nomi.join(QStringLiteral(", ")),
                             nomeProvenienza(aperto.provenienza));
    if (aperto.errore)
        testo += QStringLiteral(" Il programma non lo legge: %1").arg(aperto.errore->messaggio().section(u'\n', 1, 1));
    notizie->setText(testo);
    for (int i = 0; i < schede->topLevelItemCount(); ++i) {
        if (schede->topLevelItem(i)->text(ColFile) == elenco->file)
            schede->setCurrentItem(schede->topLevelItem(i));
    }
    tabella->setAccessibleName(elenco->nome);
    if (modello_->rowCount() > 0)
        tabella->setCurrentIndex(modello_->index(0, 0));
    mostraEsito();
    stato->setText(aperto.percorso.isEmpty() ? QStringLiteral("L'elenco non c'è in nessuna cartella.")
                                             : QStringLiteral("Letto da %1").arg(QDir::toNativeSeparators(aperto.percorso)));
    return true;
}

void FinestraElenchi::mostraEsito()
{
    if (!modello_)
        return;
    const EsitoControllo& esito = modello_->esito();
    const auto riempi = [](QListWidget* lista, const QList<Segnalazione>& voci) {
        lista->clear();
        for (const Segnalazione& s : voci) {
            auto* voce = new QListWidgetItem(s.testo, lista);
            voce->setData(Qt::UserRole, s.riga);
            voce->setData(Qt::UserRole + 1, s.colonna);
        }
    };
    riempi(guasti, esito.guasti);
    riempi(avvisi, esito.avvisi);
    const qsizetype n = esito.guasti.size();
    const QString conto = n == 0 ? QStringLiteral("Nessun problema: l'elenco si può salvare.")
                                 : QStringLiteral("%1: l'elenco non si può salvare finché non li correggi.")
                                       .arg(parolePlurali(n, "1 problema", "problemi"));
    conteggio->setText(conto);
    QPalette colori = conteggio->palette();
    colori.setColor(QPalette::WindowText, n == 0 ? QColor(0, 0x70, 0) : QColor(0xa0, 0, 0));
    conteggio->setPalette(colori);
    // A screen reader hears a fault as it comes, and the list put right.
    if (guastiDetti >= 0 && n != guastiDetti) {
        dici(n > guastiDetti ? QStringLiteral("%1. %2").arg(esito.guasti.first().testo, conto) : conto);
    }
    guastiDetti = int(n);
    aggiornaComandi();
}

void FinestraElenchi::dici(const QString& testo)
{
    QWidget* qui = QApplication::focusWidget();
    Interfaccia::annuncia(qui && qui->window() == this ? qui : tabella, testo);
}

void FinestraElenchi::aggiornaComandi()
{
    const QString file = modello_ ? modello_->controllo().elenco().file : QString();
    azioneAnnulla->setEnabled(modello_ && modello_->puoAnnullare());
    azioneRipeti->setEnabled(modello_ && modello_->puoRipetere());
    azioneAula->setVisible(!archivio.cartellaAula().isEmpty());
    azioneFornito->setEnabled(!LettoreElenchi::percorsoIn(archivio.cartelle().insegnante, file).isEmpty());
    azioneRiprendi->setEnabled(!LettoreElenchi::percorsoIn(QFileInfo(archivio.percorsoRiserva(file)).absolutePath(), file).isEmpty());
    azioneProva->setEnabled(modello_ && !modello_->controllo().esercizi().isEmpty());
    setWindowModified(modello_ && modello_->modificato());
    setWindowTitle(QStringLiteral("%1[*] – Elenchi di Catalogare i lumeri")
                       .arg(modello_ ? modello_->controllo().elenco().nome : QString()));
}

void FinestraElenchi::vaiA(int riga, int colonna)
{
    if (!modello_ || riga < 1)
        return;
    tabella->setCurrentIndex(modello_->index(riga - 1, std::max(colonna, 1) - 1));
    tabella->setFocus();
}

bool FinestraElenchi::salva(bool perAula)
{
    if (!modello_)
        return false;
    // The word being typed in a cell is taken first.
    if (QWidget* scrive = QApplication::focusWidget(); scrive && scrive != tabella && tabella->isAncestorOf(scrive)) {
        emit tabella->itemDelegate()->commitData(scrive);
        emit tabella->itemDelegate()->closeEditor(scrive);
    }
    const EsitoControllo& esito = modello_->esito();
    if (!esito.buono()) {
        const Segnalazione& primo = esito.guasti.first();
        const QString perche = QStringLiteral("Non salvato: %1. Prima correggi %2")
                                   .arg(parolePlurali(esito.guasti.size(), "c'è 1 problema", "problemi"),
                                        primo.testo);
        stato->setText(perche);
        vaiA(primo.riga, primo.colonna);
        dici(perche);
        return false;
    }
    const QString file = modello_->controllo().elenco().file;
    const QString cartella = perAula ? archivio.cartellaAula() : archivio.cartelle().insegnante;
    if (cartella.isEmpty()) {
        Dialoghi::avvisa(this, QStringLiteral("L'elenco non è stato salvato: non c'è una cartella dove scriverlo."));
        return false;
    }
    const QString percorso = ArchivioElenchi::percorsoIn(cartella, file);
    const std::optional<QByteArray> ora = ArchivioElenchi::contenuto(percorso);
    const bool suo = !perAula && percorso == percorsoLetto;
    if (suo && ora != letto
        && !Dialoghi::chiedi(this, QStringLiteral("Il file %1 è stato cambiato da un altro programma dopo che l'hai "
                                                  "aperto qui. Vuoi sostituirlo con l'elenco che vedi?")
                                       .arg(QDir::toNativeSeparators(percorso)))) {
        stato->setText(QStringLiteral("Non salvato: il file cambiato dall'altro programma è rimasto com'era."));
        return false;
    }
    if (perAula && ora
        && !Dialoghi::chiedi(this, QStringLiteral("Nella cartella dell'aula c'è già questo elenco. Vuoi sostituirlo "
                                                  "per tutti?"))) {
        return false;
    }
    // A file the program refused may hold more than the table could show: it is kept aside first.
    const bool daTenere = suo && ora && !lettoIntero;
    if (daTenere) {
        if (auto errore = archivio.copiaDaParte(file)) {
            Dialoghi::avvisa(this, QStringLiteral("L'elenco non è stato salvato: %1").arg(*errore));
            return false;
        }
    }
    if (auto errore = ArchivioElenchi::scrivi(percorso, modello_->tabella())) {
        stato->setText(QStringLiteral("Non salvato: %1").arg(*errore));
        Dialoghi::avvisa(this, QStringLiteral("L'elenco non è stato salvato: %1").arg(*errore));
        return false;
    }
    modello_->segnaSalvato();
    if (suo || percorso == percorsoLetto)
        letto = ArchivioElenchi::contenuto(percorso);
    lettoIntero = lettoIntero || suo;
    stato->setText(QStringLiteral("Salvato in %1.%2")
                       .arg(QDir::toNativeSeparators(percorso),
                            daTenere ? QStringLiteral(" Il file di prima è tra le copie di riserva: lo riprendi con "
                                                      "\"Riprendi la tua copia\" dopo \"Torna all'elenco fornito\".")
                                     : QString()));
    dici(stato->text());
    aggiornaSchede();
    aggiornaComandi();
    return true;
}

QRect FinestraElenchi::areaScelta() const
{
    const QModelIndexList scelte = tabella->selectionModel()->selectedIndexes();
    if (scelte.isEmpty()) {
        const QModelIndex qui = tabella->currentIndex();
        return qui.isValid() ? QRect(qui.column(), qui.row(), 1, 1) : QRect();
    }
    QRect area;
    for (const QModelIndex& indice : scelte)
        area |= QRect(indice.column(), indice.row(), 1, 1);
    return area;
}

void FinestraElenchi::copia()
{
    if (modello_ && areaScelta().isValid())
        QApplication::clipboard()->setText(modello_->copia(areaScelta()));
}

void FinestraElenchi::taglia()
{
    copia();
    svuota();
}

void FinestraElenchi::incolla()
{
    if (!modello_)
        return;
    const QModelIndex qui = tabella->currentIndex();
    int fuori = 0;
    const QRect area = modello_->incolla(qui.isValid() ? qui.row() : modello_->rowCount(),
                                         qui.isValid() ? qui.column() : 0, QApplication::clipboard()->text(), &fuori);
    if (!area.isValid())
        return;
    tabella->setCurrentIndex(modello_->index(area.top(), area.left()));
    tabella->selectionModel()->select(QItemSelection(modello_->index(area.top(), area.left()),
                                                     modello_->index(area.bottom(), area.right())),
                                      QItemSelectionModel::ClearAndSelect);
    QString detto = QStringLiteral("Incollate %1.").arg(parolePlurali(area.height(), "1 riga", "righe"));
    if (fuori > 0) {
        detto += QStringLiteral(" %1 oltre l'ultima colonna non %2 incollate.")
                     .arg(parolePlurali(fuori, "1 parola", "parole"),
                          fuori == 1 ? QStringLiteral("è stata") : QStringLiteral("sono state"));
    }
    stato->setText(detto);
}

void FinestraElenchi::svuota()
{
    if (modello_)
        modello_->svuota(tabella->selectionModel()->selectedIndexes());
}

void FinestraElenchi::nuovoRecord()
{
    if (!modello_)
        return;
    const QModelIndex qui = tabella->currentIndex();
    const QModelIndex nuova = modello_->aggiungiRecord(qui.isValid() ? qui.row() : modello_->rowCount() - 1);
    tabella->setCurrentIndex(nuova);
    tabella->setFocus();
}

void FinestraElenchi::togliRecord()
{
    if (!modello_)
        return;
    QList<int> righe;
    const QRect area = areaScelta();
    for (int r = area.top(); area.isValid() && r <= area.bottom(); ++r)
        righe.append(r);
    modello_->rimuoviRecord(righe);
    if (modello_->rowCount() > 0)
        tabella->setCurrentIndex(modello_->index(std::min(area.top(), modello_->rowCount() - 1), 0));
}

void FinestraElenchi::trova()
{
    if (!modello_ || cerca->text().isEmpty()) {
        barraCerca->show();
        cerca->setFocus();
        return;
    }
    const QModelIndex trovata = modello_->trova(cerca->text(), tabella->currentIndex());
    if (!trovata.isValid()) {
        stato->setText(QStringLiteral("\"%1\" non c'è in questo elenco.").arg(cerca->text()));
        dici(stato->text());
        return;
    }
    tabella->setCurrentIndex(trovata);
    stato->setText(QStringLiteral("Trovata alla riga %1.").arg(trovata.row() + 1));
}

void FinestraElenchi::importa()
{
    if (!modello_)
        return;
    // Qt's own dialog, whose words can be given in Italian.
    QFileDialog scelta(this, QStringLiteral("Importa un elenco"), QDir::homePath(),
                       QStringLiteral("Testo (*.txt *.csv *.tsv);;Tutti i file (*)"));
    scelta.setOption(QFileDialog::DontUseNativeDialog);
    scelta.setFileMode(QFileDialog::ExistingFile);
    scelta.setLabelText(QFileDialog::LookIn, QStringLiteral("Cerca in:"));
    scelta.setLabelText(QFileDialog::FileName, QStringLiteral("Nome del file:"));
    scelta.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo di file:"));
    scelta.setLabelText(QFileDialog::Accept, QStringLiteral("Importa"));
    scelta.setLabelText(QFileDialog::Reject, QStringLiteral("Annulla"));
    if (scelta.exec() != QDialog::Accepted || scelta.selectedFiles().isEmpty())
        return;
    const QString percorso = scelta.selectedFiles().first();
    Tabella letta;
    if (auto errore = archivio.importa(modello_->controllo().elenco(), percorso, letta)) {
        const QString detto = QStringLiteral("Non importato: %1%2")
                                  .arg(errore->riga > 0 ? QStringLiteral("riga %1: ").arg(errore->riga) : QString(),
                                       errore->guasto);
        stato->setText(detto);
        Dialoghi::avvisa(this, errore->messaggio().replace(QStringLiteral("L'esercizio non può cominciare. "),
                                                           QString()));
        return;
    }
    modello_->sostituisci(std::move(letta));
    if (modello_->rowCount() > 0)
        tabella->setCurrentIndex(modello_->index(0, 0));
    stato->setText(QStringLiteral("Importato da %1: %2. Salva per tenerlo.")
                       .arg(QDir::toNativeSeparators(percorso),
                            parolePlurali(modello_->rowCount(), "1 record", "record")));
    tabella->setFocus();
}

void FinestraElenchi::provaElenco()
{
    if (!modello_ || modello_->controllo().esercizi().isEmpty())
        return;
    if (modello_->modificato() && !salva())
        return;
    emit prova(modello_->controllo().esercizi().first().form);
}

void FinestraElenchi::tornaAlFornito()
{
    if (!modello_)
        return;
    const DescrizioneElenco elenco = modello_->controllo().elenco();
    if (!Dialoghi::chiedi(this, QStringLiteral("Vuoi tornare all'elenco \"%1\" com'era prima che lo cambiassi? Il tuo "
                                               "elenco resta tra le copie di riserva: lo puoi riprendere con "
                                               "\"Riprendi la tua copia\".")
                                    .arg(elenco.nome)))
        return;
    if (auto errore = archivio.mettiDaParte(elenco.file)) {
        Dialoghi::avvisa(this, QStringLiteral("Non si è potuto: %1").arg(*errore));
        return;
    }
    modello_->segnaSalvato();   // her changes went aside with her file
    tabella->setModel(nullptr);
    modello_.reset();
    apri(elenco.file);
    aggiornaSchede();
    stato->setText(QStringLiteral("Ora si usa l'elenco di: %1. La tua copia è in %2")
                       .arg(nomeProvenienza(archivio.provenienza(elenco.file)),
                            QDir::toNativeSeparators(QFileInfo(archivio.percorsoRiserva(elenco.file)).absolutePath())));
}

void FinestraElenchi::riprendiCopia()
{
    if (!modello_)
        return;
    const DescrizioneElenco elenco = modello_->controllo().elenco();
    if (modello_->modificato() && !Dialoghi::chiedi(this, QStringLiteral("Le modifiche che non hai salvato andranno "
                                                                         "perse. Vuoi riprendere la tua copia?")))
        return;
    if (auto errore = archivio.riprendi(elenco.file)) {
        Dialoghi::avvisa(this, QStringLiteral("Non si è potuto: %1").arg(*errore));
        return;
    }
    modello_->segnaSalvato();
    tabella->setModel(nullptr);
    modello_.reset();
    apri(elenco.file);
    aggiornaSchede();
    stato->setText(QStringLiteral("La tua copia è di nuovo l'elenco in uso."));
}

void FinestraElenchi::closeEvent(QCloseEvent* evento)
{
    if (lasciaElenco())
        evento->accept();
    else
        evento->ignore();
}
