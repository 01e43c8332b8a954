// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the work a pupil waits for: reading the word lists, opening
// every exercise, one answer to its feedback on screen, a whole board. Each
// figure is the median of many repetitions.
//
//     lumeri_bench [--ripetizioni N]
//
// The windows are real, on Qt's offscreen platform unless another is chosen.

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/interfaccia.h"
#include "comune/stato.h"
#include "comune/suoni.h"
#include "drills/arrangement/cataloga.h"
#include "drills/esercizi.h"
#include "drills/registro.h"
#include "drills/typed/scritte.h"
#include "drills/verifiche.h"
#include "elenchi/archivio_elenchi.h"
#include "elenchi/modello_elenco.h"
#include "frame/controlli.h"
#include "frame/esercizio.h"
#include "frame/finestra_esercizio.h"
#include "frame/navigazione.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <set>

namespace {

class Silenzio final : public RiproduttoreSuoni {
public:
    void riproduci(Suono) override {}
};

class NessunaNavigazione final : public Navigazione {
public:
    void mostraMenu(QWidget*) override {}
    void erroreAllAvvio(QWidget*, const ErroreElenco&) override {}
};

// ---- Lists at their bounds, of words shaped like the real ones ----

class Parole {
public:
    // A new word of two to four syllables, some ending in an accent.
    QString nuova()
    {
        static const char* sillabe[] = {"ca", "sa", "me", "lo", "ri", "ta", "po", "ne", "gio", "chia", "stra",
                                        "ve", "mu", "fi", "ro", "bel", "tor", "gna", "sce", "pi"};
        static const char* finali[] = {"no", "ra", "le", "to", "na", "tà", "ro", "ce", "sso", "zza"};
        for (;;) {
            const int quante = std::uniform_int_distribution<int>(1, 3)(motore);
            QString parola;
            for (int i = 0; i < quante; ++i)
                parola += QString::fromUtf8(sillabe[std::uniform_int_distribution<int>(0, 19)(motore)]);
            parola += QString::fromUtf8(finali[std::uniform_int_distribution<int>(0, 9)(motore)]);
            if (usate.insert(parola).second)
                return parola;
        }
    }

private:
    std::mt19937 motore{1208};
    std::set<QString> usate;
};

void scrivi(const QString& cartella, const QString& nome, const QString& testo)
{
    QFile file(QDir(cartella).filePath(nome));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(testo.toUtf8());
}

// `quante` records of `campi` fields: a stem and the forms built on it.
QString record(Parole& parole, int quante, int campi)
{
    static const char* desinenze[] = {"", "ino", "one", "uccio", "accio"};
    QString testo;
    for (int r = 0; r < quante; ++r) {
        const QString radice = parole.nuova();
        QStringList campo;
        for (int c = 0; c < campi; ++c)
            campo.append(campi == 2 ? radice + (c == 0 ? u'o' : u'a') : radice + QString::fromLatin1(desinenze[c]));
        testo += campo.join(u',') + u'\n';
    }
    return testo;
}

// Every list of the program, each at the bound of the windows that read it.
// Two files that one window joins into one list share its 500 entries.
void riempiCartella(const QString& testi)
{
    Parole parole;
    for (const char* nome : {"FemminileSingolare.txt", "FemminilePlurale.txt", "MaschileSingolare.txt",
                             "MaschilePlurale.txt"})
        scrivi(testi, QString::fromLatin1(nome), record(parole, 250, 1));
    for (const char* nome : {"concreti.txt", "astratti.txt", "propri.txt", "comuni.txt"})
        scrivi(testi, QString::fromLatin1(nome), record(parole, 500, 1));
    for (const char* nome : {"MaschileFemminile.txt", "falsi maschili.txt", "singolarePlurale.txt"})
        scrivi(testi, QString::fromLatin1(nome), record(parole, 500, 2));
    scrivi(testi, QStringLiteral("derivati.txt"), record(parole, 100, 2));
    scrivi(testi, QStringLiteral("falsialterati.txt"), record(parole, 100, 2));
    scrivi(testi, QStringLiteral("alterati.txt"), record(parole, 100, 5));
    scrivi(testi, QStringLiteral("collettivi.txt"), record(parole, 500, 2));
    scrivi(testi, QStringLiteral("composti.txt"), record(parole, 500, 1));
}

// The endings of the four altered forms of a stem, as record() writes them.
const std::array<QString, 4> desinenzeAlterati = {QStringLiteral("ino"), QStringLiteral("one"),
                                                  QStringLiteral("uccio"), QStringLiteral("accio")};

// ---- Timing ----

// The median of times in nanoseconds, in microseconds.
double mediana(QList<qint64> tempi)
{
    std::sort(tempi.begin(), tempi.end());
    return double(tempi[tempi.size() / 2]) / 1000.0;
}

// The median of `volte` runs of `prova`, which returns the nanoseconds it measured.
double mediana(int volte, const std::function<qint64()>& prova)
{
    QList<qint64> tempi;
    for (int i = 0; i < volte; ++i)
        tempi.append(prova());
    return mediana(std::move(tempi));
}

qint64 cronometra(const std::function<void()>& lavoro)
{
    QElapsedTimer orologio;
    orologio.start();
    lavoro();
    return orologio.nsecsElapsed();
}

class Risultati {
public:
    void riga(const QString& misura, double microsecondi, const QString& obiettivo = {}, bool raggiunto = true)
    {
        righe.append({misura, microsecondi, obiettivo, raggiunto});
    }

    void stampa() const
    {
        QTextStream out(stdout);
        out << QStringLiteral("%1 %2  %3\n").arg(QStringLiteral("figure"), -64).arg(QStringLiteral("median"), 12)
                   .arg(QStringLiteral("goal"));
        for (const auto& r : righe) {
            QString tempo = r.microsecondi >= 1000 ? QString::number(r.microsecondi / 1000.0, 'f', 2) + " ms"
                                                   : QString::number(r.microsecondi, 'f', 1) + " us";
            out << QStringLiteral("%1 %2  %3%4\n")
                       .arg(r.misura, -64)
                       .arg(tempo, 12)
                       .arg(r.obiettivo)
                       .arg(r.obiettivo.isEmpty() || r.raggiunto ? QString() : QStringLiteral("  MISSED"));
        }
    }

    bool tuttiRaggiunti() const
    {
        return std::all_of(righe.begin(), righe.end(), [](const Voce& r) { return r.raggiunto; });
    }

private:
    struct Voce {
        QString misura;
        double microsecondi;
        QString obiettivo;
        bool raggiunto;
    };
    QList<Voce> righe;
};

// ---- The figures ----

struct Banco {
    // The reader looks first for a teacher's folder, as the program's does;
    // like most teachers', this one has none.
    explicit Banco(const QString& testi)
        : lettore(testi, QDir(testi).filePath(QStringLiteral("../insegnante")))
    {
    }

    StatoComune stato;
    CasualeOrologio casuale{20261208u};
    Silenzio suoni;
    LettoreElenchi lettore;
    Contesto contesto{stato, casuale, suoni, lettore};
    NessunaNavigazione navigazione;
};

void lettura(Risultati& tabella, Banco& b, const QString& testi, int volte)
{
    const struct {
        const char* nome;
        const char* file;
        int campi;
        int limite;
    } prove[] = {{"reader: 500 words", "concreti.txt", 1, 500},
                 {"reader: 100 records of five fields", "alterati.txt", 5, 100}};
    for (const auto& p : prove) {
        const QString file = QString::fromLatin1(p.file);
        const auto letturaSemplice = [&] {
            return cronometra([&] {
                QFile f(QDir(testi).filePath(file));
                if (f.open(QIODevice::ReadOnly))
                    f.readAll();
            });
        };
        const auto letturaDelLettore = [&] {
            return cronometra([&] {
                // A list of words is read as the windows read it: one field an entry.
                if (p.campi == 1) {
                    QStringList elenco;
                    b.lettore.caricaElenco({file}, elenco, p.limite);
                } else {
                    Tabella t;
                    b.lettore.caricaRecord(file, p.campi == 5 ? Verifiche::FormaAlterati : FormaRecord(p.campi), p.limite, t);
                }
            });
        };
        // In turn, so that what else the machine does weighs on both alike.
        QList<qint64> tempiSemplici, tempiLetti;
        for (int i = 0; i < volte; ++i) {
            tempiSemplici.append(letturaSemplice());
            tempiLetti.append(letturaDelLettore());
        }
        const double semplice = mediana(tempiSemplici);
        const double lettore = mediana(tempiLetti);
        const double rapporto = lettore / semplice;
        tabella.riga(QStringLiteral("%1 (plain read %2 us, ratio %3x)")
                         .arg(QString::fromLatin1(p.nome))
                         .arg(semplice, 0, 'f', 1)
                         .arg(rapporto, 0, 'f', 2),
                     lettore, QStringLiteral("ratio <= 3x"), rapporto <= 3.0);
    }
}

// A window of exercise `form`, started and painted once; null when it did not start.
std::unique_ptr<FinestraEsercizio> apri(Banco& b, const VoceEsercizio& voce)
{
    std::unique_ptr<FinestraEsercizio> w(voce.crea(b.contesto, b.navigazione));
    if (w->carica())
        return nullptr;
    w->show();
    QElapsedTimer limite;
    limite.start();
    while (!w->esercizio().avviato() && limite.elapsed() < 2000)
        QCoreApplication::processEvents();
    if (!w->esercizio().avviato())
        return nullptr;
    w->grab();   // drawn whole, whether or not the platform shows it
    return w;
}

bool apertura(Risultati& tabella, Banco& b, int volte)
{
    bool tutte = true;
    for (const VoceEsercizio& voce : registroEsercizi()) {
        if (!voce.crea)
            continue;
        const double logica = mediana(volte, [&] {
            return cronometra([&] {
                auto l = creaEsercizio(voce.form, b.contesto);
                if (!l || l->avvia())
                    tutte = false;
            });
        });
        const double finestra = mediana(volte, [&] {
            std::unique_ptr<FinestraEsercizio> w;
            const qint64 t = cronometra([&] { w = apri(b, voce); });
            tutte = tutte && w;
            return t;
        });
        tabella.riga(QStringLiteral("open Form%1: logic (load + first item)").arg(voce.form), logica);
        tabella.riga(QStringLiteral("open Form%1: window (+ shown, painted)").arg(voce.form), finestra,
                     QStringLiteral("< 5 ms"), finestra < 5000);
    }
    return tutte;
}

// The control that answers the current item rightly, or wrongly.
using Risposta = std::function<void(FinestraEsercizio&, StatoComune&, bool giusta)>;

void clicca(FinestraEsercizio& w, const QString& nome)
{
    if (auto* c = w.findChild<QWidget*>(nome))
        QTest::mouseClick(c, Qt::LeftButton);
}

// Button or box k answers class or list k.
Risposta perNumero(QStringList nomi)
{
    return [nomi](FinestraEsercizio& w, StatoComune& stato, bool giusta) {
        const int k = giusta ? stato.elencoScelto : stato.elencoScelto % int(nomi.size()) + 1;
        clicca(w, nomi.value(k - 1));
    };
}

Risposta scritta(int form)
{
    const int atteso = configScritta(form)->atteso;
    return [atteso](FinestraEsercizio& w, StatoComune& stato, bool giusta) {
        auto* risposta = w.findChild<QLineEdit*>(QStringLiteral("Text2"));
        risposta->setText(giusta ? stato.voce(atteso, stato.elencoScelto) : QStringLiteral("?"));
        QTest::keyClick(risposta, Qt::Key_Return);
    };
}

bool risposte(Risultati& tabella, Banco& b, int volte)
{
    bool contate = true;
    const struct {
        const char* famiglia;
        int form;
        Risposta rispondi;
    } famiglie[] = {
        {"two choices", 1, perNumero({"Bottone1", "Bottone2"})},
        {"three choices", 13, perNumero({"Bottone1", "Command1", "Bottone2"})},
        {"grid", 8, perNumero({"Label7", "Label8", "Label9", "Label10"})},
        {"typed", 2, scritta(2)},
        // The compound noun is always box 0.
        {"board, compound picking", 17,
         [](FinestraEsercizio& w, StatoComune&, bool giusta) {
             clicca(w, Controlli::nomeElemento("Label3", giusta ? 0 : 1));
         }},
    };
    b.stato.attendiBottone = false;   // a right answer brings the next item at once
    for (const auto& f : famiglie) {
        auto w = apri(b, *voceEsercizio(f.form));
        if (!w)
            return false;
        for (bool giusta : {true, false}) {
            qint16& conta = giusta ? b.stato.contaEsatti : b.stato.contaErrati;
            conta = 0;
            const double t = mediana(volte, [&] {
                return cronometra([&] {
                    f.rispondi(*w, b.stato, giusta);
                    w->grab();   // drawn whole, whether or not the platform shows it
                });
            });
            // Every answer measured must have been judged as meant.
            contate = contate && conta == volte;
            tabella.riga(QStringLiteral("answer %1, %2 (Form%3), drawn")
                             .arg(giusta ? QStringLiteral("right") : QStringLiteral("wrong"),
                                  QString::fromLatin1(f.famiglia))
                             .arg(f.form),
                         t, QStringLiteral("< 16 ms"), t < 16000);
        }
    }
    b.stato.attendiBottone = true;
    return contate;
}

// Drops the box `sorgente` on the box `bersaglio` of the window, as a drop
// of the pupil's runs.
bool lascia(FinestraEsercizio& w, const QString& sorgente, const QString& bersaglio)
{
    auto* da = w.findChild<CasellaTrascinabile*>(sorgente);
    auto* su = w.findChild<CasellaBersaglio*>(bersaglio);
    return da && su && su->ricevi(da);
}

// A whole board, every word dropped right, the window drawn after each drop.
bool tavole(Risultati& tabella, Banco& b, int volte)
{
    b.stato.attendiBottone = false;   // the next board comes at once
    bool finite = true;

    // One window at a time, as in the program: they share the lists.
    auto cataloga = apri(b, *voceEsercizio(14));
    if (!cataloga)
        return false;
    const auto& logica = dynamic_cast<const LogicaCataloga&>(cataloga->esercizio());
    const double t14 = mediana(volte, [&] {
        const qint16 prima = b.stato.contaEsatti;
        const qint64 t = cronometra([&] {
            for (int p = 0; p < LogicaCataloga::Parole; ++p) {
                // The column whose noun the word alters, and the row of its ending.
                bool lasciata = false;
                for (int c = 0; c < LogicaCataloga::Colonne && !lasciata; ++c) {
                    for (int k = 0; k < LogicaCataloga::Tipi && !lasciata; ++k) {
                        if (logica.primitiva(c) + desinenzeAlterati[std::size_t(k)] == logica.parola()) {
                            const char* colonna = c == 0 ? "Label6" : c == 1 ? "Label7" : "Label8";
                            lasciata = lascia(*cataloga, QStringLiteral("Label4"), Controlli::nomeElemento(colonna, k));
                        }
                    }
                }
                cataloga->grab();
            }
        });
        finite = finite && b.stato.contaEsatti == prima + LogicaCataloga::Parole;
        return t;
    });
    tabella.riga(QStringLiteral("whole board of Form14, five drops, each drawn"), t14);
    cataloga.reset();

    auto collettivi = apri(b, *voceEsercizio(16));
    if (!collettivi)
        return false;

    const double t16 = mediana(volte, [&] {
        const qint16 prima = b.stato.contaEsatti;
        const qint64 t = cronometra([&] {
            // Box i of both columns belongs to pair i, wherever it stands.
            for (int i = 0; i < 9; ++i) {
                lascia(*collettivi, Controlli::nomeElemento("Label3", i), Controlli::nomeElemento("Label4", i));
                collettivi->grab();
            }
        });
        finite = finite && b.stato.contaEsatti == prima + 9;
        return t;
    });
    tabella.riga(QStringLiteral("whole board of Form16, nine drops, each drawn"), t16);
    b.stato.attendiBottone = true;
    return finite;
}

// The teachers' editor on lists at their bounds: a list read, its table
// made and checked whole as it opens; then one cell changed and the whole
// list checked again, as after each change she makes.
void editore(Risultati& tabella, const QString& testi, int volte)
{
    CartelleProgramma cartelle;
    cartelle.dati = QFileInfo(testi).absolutePath();
    const ArchivioElenchi archivio(cartelle);
    QList<EsercizioDaVerificare> esercizi;
    for (const VoceEsercizio& voce : registroEsercizi())
        esercizi.append({voce.form, QString::fromUtf8(voce.didascalia).simplified()});
    const double schede = mediana(volte, [&] { return cronometra([&] { schedeElenchi(archivio, esercizi); }); });
    tabella.riga(QStringLiteral("editor: the sixteen lists, their exercises, counts and faults"), schede);
    for (const char* file : {"concreti.txt", "MaschileFemminile.txt", "alterati.txt"}) {
        const DescrizioneElenco& elenco = *descrizioneElenco(QString::fromLatin1(file));
        std::unique_ptr<ModelloElenco> modello;
        const double apertura = mediana(volte, [&] {
            return cronometra([&] {
                const ElencoAperto aperto = archivio.apri(elenco);
                modello = std::make_unique<ModelloElenco>(
                    std::make_shared<ControlloElenco>(elenco, cartelle.elenchi(), esercizi, cartelle.testi()),
                    aperto.tabella);
            });
        });
        const int record = modello->rowCount();
        tabella.riga(QStringLiteral("editor: open %1 (%2 records) and check it whole").arg(file).arg(record),
                     apertura, QStringLiteral("50 ms"), apertura <= 50000 && modello->esito().buono());
        int volta = 0;
        const QModelIndex qui = modello->index(record / 2, 0);
        const QString prima = qui.data().toString();
        const double cella = mediana(volte, [&] {
            const QString parola = ++volta % 2 ? prima + QStringLiteral("a") : prima;
            return cronometra([&] { modello->setData(qui, parola); });
        });
        tabella.riga(QStringLiteral("editor: %1, check after one changed cell").arg(file), cella,
                     QStringLiteral("16 ms"), cella <= 16000);
    }
}

} // namespace

// The offscreen platform's warnings would bury the table.
void silenzioso(QtMsgType tipo, const QMessageLogContext& contesto, const QString& messaggio)
{
    if (tipo >= QtCriticalMsg)
        QTextStream(stderr) << messaggio << '\n';
    Q_UNUSED(contesto);
}

int main(int argc, char** argv)
{
    qInstallMessageHandler(silenzioso);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Interfaccia::preparaStile();

    int volte = 101;
    const QStringList argomenti = app.arguments();
    const qsizetype i = argomenti.indexOf(QStringLiteral("--ripetizioni"));
    if (i >= 0)
        volte = std::max(1, argomenti.value(i + 1).toInt());

    QTemporaryDir cartella;
    const QString testi = QDir(cartella.path()).filePath(QStringLiteral("testi"));
    QDir().mkpath(testi);
    riempiCartella(testi);

    Banco b(testi);
    Risultati tabella;
    lettura(tabella, b, testi, volte);
    const bool aperte = apertura(tabella, b, volte);
    const bool contate = risposte(tabella, b, volte) && tavole(tabella, b, volte);
    editore(tabella, testi, volte);
    tabella.stampa();
    QTextStream(stdout) << volte << " repetitions each\n";
    if (!aperte)
        QTextStream(stderr) << "an exercise did not open on the lists at their bounds\n";
    if (!contate)
        QTextStream(stderr) << "an answer was not judged as meant\n";
    return aperte && contate ? 0 : 1;
}
