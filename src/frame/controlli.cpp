// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/controlli.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <climits>

using namespace Interfaccia;

namespace {

// What a drag of a box carries: it names no file and no text another program could take.
const QString FormatoCasella = QStringLiteral("application/x-lumeri-casella");

// The box picked up to be put down on a target: one at a time, as the
// pupil has one hand.
QPointer<CasellaTrascinabile> tenuta;

void tieni(CasellaTrascinabile* casella)
{
    CasellaTrascinabile* prima = tenuta;
    tenuta = casella;
    for (QWidget* w : {static_cast<QWidget*>(prima), static_cast<QWidget*>(casella)}) {
        if (w) {
            w->update();
            if (QWidget* fuoco = w->window()->focusWidget())
                fuoco->update();   // a target shows whether it is chosen
        }
    }
}

// The box picked up in the window of `w`, if any.
CasellaTrascinabile* tenutaIn(const QWidget* w)
{
    return tenuta && tenuta->window() == w->window() ? tenuta.data() : nullptr;
}

// The box picked up put back, as said at `dove`.
void rimetti(QWidget* dove)
{
    const QString testo = tenuta->text();
    tieni(nullptr);
    annuncia(dove, QStringLiteral("Hai rimesso a posto %1.").arg(testo));
}

// A box to a screen reader: a button when the pupil answers with it, a
// text otherwise; named by what it is and what it shows.
class AccessibileCasella final : public QAccessibleWidget {
public:
    explicit AccessibileCasella(Casella* casella)
        : QAccessibleWidget(casella)
    {
    }

    Casella* casella() const { return static_cast<Casella*>(widget()); }
    bool attiva() const { return casella()->focusPolicy() != Qt::NoFocus; }

    QAccessible::Role role() const override { return attiva() ? QAccessible::Button : QAccessible::StaticText; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !casella()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const QString& etichetta = casella()->etichetta();
        const QString testo = casella()->text().trimmed();
        if (etichetta.isEmpty() || testo.isEmpty())
            return etichetta.isEmpty() ? testo : etichetta;
        return etichetta + QStringLiteral(": ") + testo;
    }
    QStringList actionNames() const override
    {
        QStringList azioni = QAccessibleWidget::actionNames();
        if (attiva())
            azioni.prepend(pressAction());
        return azioni;
    }
    void doAction(const QString& azione) override
    {
        if (azione == pressAction() && attiva())
            casella()->premi();
        else
            QAccessibleWidget::doAction(azione);
    }
};

// A text box to a screen reader, as Qt's own but for the runs of its text's
// attributes: one run, the whole text, so that a screen reader that reads
// run by run reads the last letter too.
class AccessibileTesto final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibileTesto(QLineEdit* casella)
        : QAccessibleWidget(casella, QAccessible::EditableText)
    {
    }

    QLineEdit* casella() const { return static_cast<QLineEdit*>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = casella()->isReadOnly();
        s.editable = !s.readOnly;
        s.selectableText = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType tipo) override
    {
        if (tipo == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    void selection(int indice, int* inizio, int* fine) const override
    {
        *inizio = *fine = 0;
        if (indice == 0 && casella()->hasSelectedText()) {
            *inizio = casella()->selectionStart();
            *fine = *inizio + casella()->selectionLength();
        }
    }
    int selectionCount() const override { return casella()->hasSelectedText() ? 1 : 0; }
    void addSelection(int inizio, int fine) override { setSelection(0, inizio, fine); }
    void removeSelection(int) override { casella()->deselect(); }
    void setSelection(int, int inizio, int fine) override { casella()->setSelection(inizio, fine - inizio); }
    int cursorPosition() const override { return casella()->cursorPosition(); }
    void setCursorPosition(int posizione) override { casella()->setCursorPosition(posizione); }
    QString text(int inizio, int fine) const override { return casella()->text().mid(inizio, fine - inizio); }
    using QAccessibleWidget::text;
    int characterCount() const override { return int(casella()->text().size()); }
    QRect characterRect(int posizione) const override
    {
        const QString testo = casella()->text();
        const QFontMetrics misure = casella()->fontMetrics();
        const QRect area = casella()->contentsRect();
        const int x = area.left() + misure.horizontalAdvance(testo.left(posizione));
        const QRect lettera(x, area.top(), misure.horizontalAdvance(testo.mid(posizione, 1)), area.height());
        return lettera.translated(casella()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& punto) const override
    {
        return casella()->cursorPositionAt(casella()->mapFromGlobal(punto));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* inizio, int* fine) const override
    {
        *inizio = 0;
        *fine = characterCount();
        return {};
    }
};

QAccessibleInterface* accessibileDelleCaselle(const QString& classe, QObject* oggetto)
{
    if (classe == QLatin1String("Casella"))
        return new AccessibileCasella(static_cast<Casella*>(oggetto));
    if (classe == QLatin1String("CasellaTesto"))
        return new AccessibileTesto(static_cast<QLineEdit*>(oggetto));
    return nullptr;
}

// How a screen reader meets the boxes: installed once, before the first box.
void accessibili()
{
    static const bool installate = (QAccessible::installFactory(accessibileDelleCaselle), true);
    Q_UNUSED(installate);
}

} // namespace

namespace Controlli {

CasellaElemento* casellaElemento(QWidget* genitore, const Rettangolo& posto, double punti)
{
    auto* casella = new CasellaElemento(genitore);
    casella->setObjectName(QStringLiteral("Text1"));
    disponi(casella, posto);
    assegnaCarattere(casella, carattere(punti));
    casella->setReadOnly(true);
    casella->setFocusPolicy(Qt::TabFocus);
    casella->setContextMenuPolicy(Qt::NoContextMenu);
    casella->setAccessibleName(QStringLiteral("Parola"));
    return casella;
}

QString nomeElemento(const char* nome, int indice)
{
    return QStringLiteral("%1_%2").arg(QString::fromLatin1(nome)).arg(indice);
}

void disponi(QWidget* controllo, const Rettangolo& posto)
{
    Interfaccia::disponi(controllo, QRect(posto.sinistra, posto.alto, posto.larghezza, posto.altezza));
}

void ordinaTab(const QList<QWidget*>& controlli)
{
    for (qsizetype i = 1; i < controlli.size(); ++i)
        QWidget::setTabOrder(controlli[i - 1], controlli[i]);
}

void lasciaPresa(const QWidget* finestra)
{
    if (tenutaIn(finestra))
        tieni(nullptr);
}

QList<QWidget*> dallAlto(QList<QWidget*> controlli)
{
    std::stable_sort(controlli.begin(), controlli.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    return controlli;
}

QList<QWidget*> perColonne(QList<QWidget*> controlli)
{
    std::stable_sort(controlli.begin(), controlli.end(),
                     [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    QList<std::pair<int, QWidget*>> inColonna;
    int colonna = -1;
    int sinistra = 0;
    for (QWidget* c : std::as_const(controlli)) {
        if (colonna < 0 || c->x() - sinistra > c->width() / 2) {
            ++colonna;
            sinistra = c->x();
        }
        inColonna.append({colonna, c});
    }
    std::stable_sort(inColonna.begin(), inColonna.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second->y() < b.second->y();
    });
    QList<QWidget*> ordinati;
    for (const auto& [k, c] : std::as_const(inColonna))
        ordinati.append(c);
    return ordinati;
}

QWidget* versoFreccia(const QWidget* da, const QList<QWidget*>& altri, int tasto, bool dritto)
{
    const QPoint qui = da->geometry().center();
    const bool orizzontale = tasto == Qt::Key_Left || tasto == Qt::Key_Right;
    const int segno = tasto == Qt::Key_Left || tasto == Qt::Key_Up ? -1 : 1;
    QWidget* vicino = nullptr;
    int migliore = INT_MAX;
    for (QWidget* altro : altri) {
        if (altro == da)
            continue;
        const QPoint d = altro->geometry().center() - qui;
        const int lungo = segno * (orizzontale ? d.x() : d.y());
        const int traverso = qAbs(orizzontale ? d.y() : d.x());
        if (lungo > 0 && (!dritto || traverso <= lungo) && lungo + 2 * traverso < migliore) {
            migliore = lungo + 2 * traverso;
            vicino = altro;
        }
    }
    return vicino;
}

} // namespace Controlli

CasellaTesto::CasellaTesto(QWidget* genitore)
    : QLineEdit(genitore)
{
    accessibili();
}

void CasellaTesto::paintEvent(QPaintEvent* evento)
{
    QLineEdit::paintEvent(evento);
    if (hasFocus()) {
        QPainter pittore(this);
        disegnaSegno(pittore, rect(), Segno::Fuoco);
    }
}

// Tab into Text1 selects nothing and moves no cursor: a screen reader then
// reads the word whole, with the box's name.
void CasellaElemento::focusInEvent(QFocusEvent* evento)
{
    QFocusEvent senzaSelezione(evento->type(), Qt::OtherFocusReason);
    CasellaTesto::focusInEvent(&senzaSelezione);
}

void CasellaElemento::mouseReleaseEvent(QMouseEvent* evento)
{
    QLineEdit::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()) && !hasSelectedText())
        emit cliccata();
}

void BottoneRisposta::paintEvent(QPaintEvent*)
{
    QPainter pittore(this);
    const QColor faccia = palette().color(QPalette::Button);
    const QRect r = rect();
    pittore.fillRect(r, faccia);

    // A raised edge, sunk while the button is held down.
    const bool giu = isDown();
    const QColor luce = giu ? QColor(Qt::black) : QColor(Qt::white);
    const QColor ombra = giu ? QColor(Qt::white) : QColor(Qt::black);
    pittore.setPen(luce);
    pittore.drawLine(r.topLeft(), r.topRight());
    pittore.drawLine(r.topLeft(), r.bottomLeft());
    pittore.setPen(ombra);
    pittore.drawLine(r.bottomLeft(), r.bottomRight());
    pittore.drawLine(r.topRight(), r.bottomRight());
    pittore.setPen(QColor(128, 128, 128));
    const QRect dentro = r.adjusted(1, 1, -1, -1);
    if (giu) {
        pittore.drawLine(dentro.topLeft(), dentro.topRight());
        pittore.drawLine(dentro.topLeft(), dentro.bottomLeft());
    } else {
        pittore.drawLine(dentro.bottomLeft(), dentro.bottomRight());
        pittore.drawLine(dentro.topRight(), dentro.bottomRight());
    }

    // Black on every face; while disabled, black mixed with the face, still
    // dark enough to read on pure red.
    QColor testo(Qt::black);
    if (!isEnabled())
        testo = QColor(faccia.red() * 45 / 100, faccia.green() * 45 / 100, faccia.blue() * 45 / 100);
    const QRect area = r.adjusted(4, 2, -4, -2).translated(giu ? 1 : 0, giu ? 1 : 0);
    pittore.setPen(testo);
    pittore.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());

    if (hasFocus())
        disegnaSegno(pittore, r, Segno::Fuoco);
}

RigaBottoni::RigaBottoni(QWidget* genitore, std::span<const ControlloDisposto> bottoni, double punti,
                         std::function<void(int)> premuto)
{
    int numero = 1;
    for (const ControlloDisposto& b : bottoni) {
        auto* bottone = new BottoneRisposta(QString::fromUtf8(b.didascalia), genitore);
        bottone->setObjectName(QString::fromLatin1(b.nome));
        Controlli::disponi(bottone, b.posto);
        assegnaCarattere(bottone, carattere(punti));
        QObject::connect(bottone, &QPushButton::clicked, bottone, [premuto, numero] { premuto(numero); });
        if (!bottoni_.isEmpty())
            QWidget::setTabOrder(bottoni_.last(), bottone);
        bottoni_.append(bottone);
        ++numero;
    }
}

void RigaBottoni::mostra(bool abilitati, const std::function<std::optional<ColoreVb>(int)>& colore) const
{
    for (qsizetype i = 0; i < bottoni_.size(); ++i) {
        BottoneRisposta* bottone = bottoni_[i];
        bottone->setEnabled(abilitati);
        if (const auto faccia = colore(int(i) + 1))
            coloraBottone(bottone, Interfaccia::colore(*faccia));
        else
            bottone->setPalette(QPalette());   // the system's button colour
    }
}

Casella::Casella(QWidget* genitore, const QString& nome, int indice, const Rettangolo& posto)
    : QLabel(genitore)
    , indice_(indice)
{
    accessibili();
    setObjectName(nome);
    Controlli::disponi(this, posto);
    assegnaCarattere(this, carattere(14.25));
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    colora(Colori::Bianco);
}

void Casella::colora(ColoreVb sfondo)
{
    dipingiSfondo(this, sfondo);
}

void Casella::impostaEtichetta(const QString& etichetta)
{
    if (etichetta == etichetta_)
        return;
    etichetta_ = etichetta;
    QAccessibleEvent evento(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&evento);
}

void Casella::premi()
{
    if (isEnabled())
        emit cliccata(indice_);
}

void Casella::mousePressEvent(QMouseEvent* evento)
{
    premuta_ = evento->button() == Qt::LeftButton;
    QLabel::mousePressEvent(evento);
}

void Casella::mouseReleaseEvent(QMouseEvent* evento)
{
    const bool cliccata_ = premuta_ && evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint());
    premuta_ = false;
    QLabel::mouseReleaseEvent(evento);
    if (cliccata_)
        clic();
}

void Casella::clic()
{
    premi();
}

void Casella::keyPressEvent(QKeyEvent* evento)
{
    switch (evento->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        evento->accept();
        if (!evento->isAutoRepeat())
            premi();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (spostaFuoco(evento->key())) {
            evento->accept();
            return;
        }
        break;
    case Qt::Key_Escape:
        // Puts back a box picked up; otherwise Escape is not this box's.
        if (tenutaIn(this)) {
            rimetti(this);
            evento->accept();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(evento);
}

bool Casella::spostaFuoco(int tasto)
{
    // The nearest box that way that can take the focus.
    QList<QWidget*> altre;
    for (Casella* altra : parentWidget()->findChildren<Casella*>(Qt::FindDirectChildrenOnly)) {
        if ((altra->focusPolicy() & Qt::TabFocus) && altra->isEnabled() && !altra->isHidden())
            altre.append(altra);
    }
    QWidget* vicina = Controlli::versoFreccia(this, altre, tasto);
    if (vicina)
        vicina->setFocus(Qt::TabFocusReason);
    return vicina != nullptr;
}

std::optional<Segno> Casella::segno() const
{
    return hasFocus() ? std::optional(Segno::Fuoco) : std::nullopt;
}

void Casella::paintEvent(QPaintEvent* evento)
{
    const auto s = segno();
    if (s) {
        QPainter fondo(this);
        disegnaFondoSegno(fondo, rect(), *s);
    }
    QLabel::paintEvent(evento);
    if (s) {
        QPainter pittore(this);
        disegnaSegno(pittore, rect(), *s);
    }
}

void Casella::resizeEvent(QResizeEvent* evento)
{
    setLineWidth(qMax(1, qRound(Interfaccia::scala(this))));
    QLabel::resizeEvent(evento);
}

CasellaTrascinabile::CasellaTrascinabile(QWidget* genitore, const QString& nome, int indice, const Rettangolo& posto)
    : Casella(genitore, nome, indice, posto)
{
    setFocusPolicy(Qt::TabFocus);
}

bool CasellaTrascinabile::presa() const
{
    return tenuta == this;
}

void CasellaTrascinabile::premi()
{
    if (!isEnabled())
        return;
    if (presa()) {
        rimetti(this);
    } else {
        tieni(this);
        annuncia(this, QStringLiteral("Hai preso %1. Scegli la casella con le frecce e premi Invio.").arg(text()));
    }
}

void CasellaTrascinabile::mousePressEvent(QMouseEvent* evento)
{
    punto = evento->position().toPoint();
    Casella::mousePressEvent(evento);
}

void CasellaTrascinabile::mouseMoveEvent(QMouseEvent* evento)
{
    // A press that moves is a drag, not a click.
    if (!premuta() || !(evento->buttons() & Qt::LeftButton)
        || (evento->position().toPoint() - punto).manhattanLength() < QApplication::startDragDistance()) {
        Casella::mouseMoveEvent(evento);
        return;
    }
    dimentica();
    auto* dati = new QMimeData;
    dati->setData(FormatoCasella, QByteArray::number(indice()));
    auto* trascinamento = new QDrag(this);
    trascinamento->setMimeData(dati);
    trascinamento->setPixmap(grab());
    trascinamento->setHotSpot(punto);
    trascinamento->exec(Qt::MoveAction);   // the target's drop runs in here
}

void CasellaTrascinabile::clic()
{
    premi();
    emit cliccata(indice());   // the word is read aloud
}

void CasellaTrascinabile::changeEvent(QEvent* evento)
{
    Casella::changeEvent(evento);
    if (evento->type() == QEvent::EnabledChange && !isEnabled() && presa())
        tieni(nullptr);
}

std::optional<Segno> CasellaTrascinabile::segno() const
{
    return presa() ? std::optional(Segno::Presa) : Casella::segno();
}

CasellaBersaglio::CasellaBersaglio(QWidget* genitore, const QString& nome, int indice, const Rettangolo& posto)
    : Casella(genitore, nome, indice, posto)
{
    setAcceptDrops(true);
    setFocusPolicy(Qt::TabFocus);
}

void CasellaBersaglio::premi()
{
    CasellaTrascinabile* casella = tenutaIn(this);
    if (!isEnabled())
        return;
    if (!casella) {   // Space or Enter with nothing in the hand
        annuncia(this, QStringLiteral("Prima prendi una parola"));
        return;
    }
    // A word not placed stays in the hand, to be tried on another box; the
    // window empties the hand once one is placed (Controlli::lasciaPresa).
    if (ricevi(casella))
        update();
}

void CasellaBersaglio::clic()
{
    // With a word in the hand the click puts it down; otherwise the box's
    // word is read aloud.
    if (tenutaIn(this))
        premi();
    else
        leggi();
}

std::optional<Segno> CasellaBersaglio::segno() const
{
    if (hasFocus() && tenutaIn(this))
        return Segno::Bersaglio;
    return Casella::segno();
}

const CasellaTrascinabile* CasellaBersaglio::trascinabile(const QObject* sorgente) const
{
    const auto* casella = qobject_cast<const CasellaTrascinabile*>(sorgente);
    if (!casella || casella->window() != window() || !casella->isEnabled())
        return nullptr;
    return casella;
}

bool CasellaBersaglio::ricevi(const QObject* sorgente)
{
    const CasellaTrascinabile* casella = trascinabile(sorgente);
    if (!casella || !isEnabled())
        return false;
    emit lasciata(casella->indice(), indice());
    return true;
}

bool CasellaBersaglio::accetta(const QDropEvent* evento) const
{
    return evento->mimeData()->hasFormat(FormatoCasella) && trascinabile(evento->source()) && isEnabled();
}

void CasellaBersaglio::dragEnterEvent(QDragEnterEvent* evento)
{
    evento->setAccepted(accetta(evento));
}

void CasellaBersaglio::dragMoveEvent(QDragMoveEvent* evento)
{
    evento->setAccepted(accetta(evento));
}

void CasellaBersaglio::dropEvent(QDropEvent* evento)
{
    evento->setAccepted(accetta(evento) && ricevi(evento->source()));
}
