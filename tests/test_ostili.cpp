// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a teacher's folder can hold in place of a word list, each case read by
// the reader and by the opening of a real window: the window opens with
// exactly the words of the file, or the teacher is told the file, the line
// and the fault and a fresh menu comes back. A case that hangs fails the run
// within seconds.

#include "comune/elenchi.h"
#include "comune/stato.h"
#include "supporto.h"
#include "supporto_finestre.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

// Ends the whole run when a case takes longer than it may: a read that
// blocks cannot be stopped any other way.
class Guardiano {
public:
    Guardiano(QString caso, int secondi)
        : filo([this, caso = std::move(caso), secondi] {
            std::unique_lock<std::mutex> chiave(mutex);
            if (!fatto.wait_for(chiave, std::chrono::seconds(secondi), [this] { return finito; }))
                qFatal("%s: still reading after %d s", qPrintable(caso), secondi);
        })
    {
    }
    ~Guardiano()
    {
        {
            std::lock_guard<std::mutex> chiave(mutex);
            finito = true;
        }
        fatto.notify_one();
        filo.join();
    }

private:
    std::mutex mutex;
    std::condition_variable fatto;
    bool finito = false;
    std::thread filo;
};

// How a case puts its "file" into the folder.
enum class Tipo { Testo, Nessuno, Cartella, Fifo, Dispositivo, Presa, Enorme, Illeggibile, DueGrafie };

struct Caso {
    Tipo tipo = Tipo::Testo;
    QByteArray contenuto;
};

QByteArray parole(int quante)
{
    QByteArray testo;
    for (int i = 1; i <= quante; ++i)
        testo += "parola" + inLettere(i).toUtf8() + '\n';
    return testo;
}

QStringList elenco(int quante)
{
    QStringList voci;
    for (int i = 1; i <= quante; ++i)
        voci.append(QStringLiteral("parola%1").arg(inLettere(i)));
    return voci;
}

QByteArray utf16(const QString& testo, bool grande)
{
    QByteArray dati = grande ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (QChar c : testo) {
        const char alto = char(c.unicode() >> 8), basso = char(c.unicode() & 0xFF);
        dati += grande ? QByteArray{&alto, 1} + QByteArray{&basso, 1} : QByteArray{&basso, 1} + QByteArray{&alto, 1};
    }
    return dati;
}

// Puts the case in place of `nome`; false where this system cannot make it.
bool prepara(const CartellaProva& cartella, const QString& nome, const Caso& caso)
{
    const QString percorso = QDir(cartella.testi()).filePath(nome);
    cartella.togli(nome);
    switch (caso.tipo) {
    case Tipo::Testo:
        cartella.scrivi(nome, caso.contenuto);
        return true;
    case Tipo::Nessuno:
        return true;
    case Tipo::Cartella:
        return QDir().mkpath(percorso);
    case Tipo::Enorme: {
        // A hundred megabytes that take no room on disk.
        QFile file(percorso);
        return file.open(QIODevice::WriteOnly) && file.resize(100 * 1024 * 1024);
    }
    case Tipo::DueGrafie:
        cartella.scrivi(nome, caso.contenuto);
        cartella.scrivi(nome.toUpper(), QByteArray("sbagliata\n"));
        return QFile::exists(QDir(cartella.testi()).filePath(nome.toUpper()));
#ifdef Q_OS_UNIX
    case Tipo::Fifo:
        return mkfifo(QFile::encodeName(percorso).constData(), 0600) == 0;
    case Tipo::Dispositivo:
        return QFile::link(QStringLiteral("/dev/zero"), percorso);
    case Tipo::Presa: {
        const QByteArray indirizzo = QFile::encodeName(percorso);
        sockaddr_un presa{};
        presa.sun_family = AF_UNIX;
        if (indirizzo.size() >= qsizetype(sizeof(presa.sun_path)))
            return false;
        std::copy(indirizzo.begin(), indirizzo.end(), presa.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool fatto = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&presa), sizeof(presa)) == 0;
        if (fd >= 0)
            ::close(fd);
        return fatto;
    }
    case Tipo::Illeggibile:
        // Root reads every file: there the case cannot be made.
        cartella.scrivi(nome, caso.contenuto);
        return geteuid() != 0 && QFile::setPermissions(percorso, QFileDevice::Permissions());
#else
    default:
        return false;
#endif
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Caso)

class TestOstili : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogo_data();
    void catalogo();

private:
    Risponditore risponditore;
    Sorvegliante sorvegliante;
};

void TestOstili::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestOstili::catalogo_data()
{
    QTest::addColumn<Caso>("caso");
    QTest::addColumn<QStringList>("parole");   // what the window's list holds when it opens
    QTest::addColumn<int>("riga");             // of the fault; -1: it opens
    QTest::addColumn<QString>("guasto");       // part of the message

    const QStringList citta{QStringLiteral("città"), QStringLiteral("mare")};
    const QString noTesto = QStringLiteral("non è un file di testo");
    const QString caratteri = QStringLiteral("caratteri che non sono lettere");
    const auto t = [](const QByteArray& b) { return Caso{Tipo::Testo, b}; };

    QTest::newRow("missing") << Caso{Tipo::Nessuno, {}} << QStringList() << 0 << "non si trova";
    QTest::newRow("empty") << t("") << QStringList() << 0 << "nessuna parola";
    QTest::newRow("blank lines only") << t("\n  \n\t\r\n") << QStringList() << 0 << "nessuna parola";
    QTest::newRow("500 words") << t(parole(500)) << elenco(500) << -1 << QString();
    QTest::newRow("501 words") << t(parole(501)) << QStringList() << 501 << "limite di 500";
    QTest::newRow("word of 100 characters") << t(QByteArray(100, 'a')) << QStringList{QString(100, u'a')} << -1
                                            << QString();
    QTest::newRow("word of 101 characters") << t("mare\n" + QByteArray(101, 'a')) << QStringList() << 2
                                            << "più di 100 caratteri";
    // Blank lines fill the file to its bound: they give no word.
    QByteArray alLimite = "mare\n" + QByteArray(int(LettoreElenchi::MassimoByte) - 6, ' ') + '\n';
    QTest::newRow("file at the size bound") << t(alLimite) << QStringList{"mare"} << -1 << QString();
    QTest::newRow("one byte over") << t(alLimite + ' ') << QStringList() << 0 << "troppo grande";
    QTest::newRow("100 MB") << Caso{Tipo::Enorme, {}} << QStringList() << 0 << "troppo grande";
    QTest::newRow("unclosed quote") << t("mare\n\"sole\nluna\n") << QStringList() << 2 << "virgolette";
    QTest::newRow("quoted comma") << t("\"sole, luna\"\nmare\n") << QStringList{"sole, luna", "mare"} << -1
                                  << QString();
    QTest::newRow("quoted line end") << t("\"sole\nluna\",mare\n") << QStringList{"sole\nluna", "mare"} << -1
                                     << QString();
    QTest::newRow("CR only") << t("sole\rluna\r") << QStringList{"sole", "luna"} << -1 << QString();
    QTest::newRow("UTF-8") << t("città\r\nmare\r\n") << citta << -1 << QString();
    QTest::newRow("UTF-8 with its mark") << t("\xEF\xBB\xBF" "città\nmare\n") << citta << -1 << QString();
    QTest::newRow("UTF-8 mark twice") << t("\xEF\xBB\xBF\xEF\xBB\xBF" "città\nmare\n") << citta << -1 << QString();
    QTest::newRow("Windows-1252") << t("citt\xE0\nmare\n") << citta << -1 << QString();
    QTest::newRow("UTF-16 LE") << t(utf16(QStringLiteral("città\r\nmare\r\n"), false)) << citta << -1 << QString();
    QTest::newRow("UTF-16 BE") << t(utf16(QStringLiteral("città\r\nmare\r\n"), true)) << citta << -1 << QString();
    QTest::newRow("UTF-16 mark twice")
        << t(utf16(QString(QChar::ByteOrderMark) + QStringLiteral("città\nmare\n"), false)) << citta << -1
        << QString();
    QTest::newRow("UTF-16 without its mark") << t(utf16(QStringLiteral("città\nmare\n"), false).mid(2))
                                             << QStringList() << 1 << caratteri;
    QTest::newRow("NUL in a word") << t(QByteArray("mare\nso\0le\n", 11)) << QStringList() << 2 << caratteri;
    QTest::newRow("DEL in a word") << t("ma\x7Fre\n") << QStringList() << 1 << caratteri;
    // Read as Windows-1252, its first byte is a per mille sign.
    QTest::newRow("binary") << t(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)) << QStringList() << 1
                            << "contiene «‰», che non è una lettera";
    QTest::newRow("directory") << Caso{Tipo::Cartella, {}} << QStringList() << 0 << noTesto;
    QTest::newRow("named pipe") << Caso{Tipo::Fifo, {}} << QStringList() << 0 << noTesto;
    QTest::newRow("link to /dev/zero") << Caso{Tipo::Dispositivo, {}} << QStringList() << 0 << noTesto;
    QTest::newRow("socket") << Caso{Tipo::Presa, {}} << QStringList() << 0 << noTesto;
    QTest::newRow("unreadable") << Caso{Tipo::Illeggibile, "mare\n"} << QStringList() << 0 << "non si può aprire";
    QTest::newRow("two spellings: the one asked for")
        << Caso{Tipo::DueGrafie, "mare\n"} << QStringList{"mare"} << -1 << QString();
}

void TestOstili::catalogo()
{
    QFETCH(Caso, caso);
    QFETCH(QStringList, parole);
    QFETCH(int, riga);
    QFETCH(QString, guasto);
    const QString nome = QStringLiteral("concreti.txt");   // concreto astratto, Form9

    // The reader, in a thread of its own so that a read that blocks is seen.
    {
        CartellaProva cartella;
        if (!prepara(cartella, nome, caso))
            QSKIP("this system cannot make the case");
        Guardiano guardiano(QString::fromUtf8(QTest::currentDataTag()), 5);
        QStringList letto;
        const auto errore = std::async(std::launch::async, [&] {
                                return LettoreElenchi(cartella.testi()).caricaElenco({nome}, letto);
                            }).get();
        // Only the window knows that it has nothing to draw.
        if (riga >= 0 && guasto != QStringLiteral("nessuna parola")) {
            QVERIFY(errore);
            QCOMPARE(errore->riga, riga);
            QVERIFY2(errore->guasto.contains(guasto), qPrintable(errore->guasto));
            QVERIFY(letto.isEmpty());   // nothing half read
        } else {
            QVERIFY2(!errore, errore ? qPrintable(errore->messaggio()) : "");
            QCOMPARE(letto, riga < 0 ? parole : QStringList());
        }
    }

    // The window, opened from the menu.
    ProgrammaDiProva programma;
    if (!prepara(programma.cartella, nome, caso))
        QSKIP("this system cannot make the case");
    Guardiano guardiano(QString::fromUtf8(QTest::currentDataTag()), 8);
    programma.applicazione.avvia();
    clicca(finestra(QStringLiteral("FormAvvio")), QStringLiteral("BottoneAvvio"));
    if (riga >= 0)
        risponditore.rispondi(QStringLiteral("OK"));
    clicca(finestra(QStringLiteral("FormMenu")), QStringLiteral("Command6"));
    if (riga < 0) {
        QCOMPARE(finestreAperte(), QStringList{QStringLiteral("Form9")});
        QCOMPARE(programma.stato.elenco[0], parole);
        return;
    }
    QTRY_VERIFY(risponditore.risposto);
    QVERIFY2(risponditore.testo.contains(QStringLiteral("\"%1\"").arg(nome)), qPrintable(risponditore.testo));
    QVERIFY2(risponditore.testo.contains(guasto), qPrintable(risponditore.testo));
    QCOMPARE(risponditore.testo.contains(QStringLiteral("riga %1").arg(riga)), riga > 0);
    QTRY_COMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
}

QTEST_MAIN(TestOstili)
#include "test_ostili.moc"
