#include "frame/controlli.h"

#include <QCursor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFocusRect>

using namespace Interfaccia;

namespace {

// What a drag of a box carries: it names no file and no text another program could take.
const QString FormatoCasella = QStringLiteral("application/x-lumeri-casella");

} // namespace

namespace Controlli {

CasellaElemento* casellaElemento(QWidget* genitore, const Rettangolo& posto, double punti)
{
    auto* casella = new CasellaElemento(genitore);
    casella->setObjectName(QStringLiteral("Text1"));
    disponi(casella, posto);
    assegnaCarattere(casella, carattere(punti));
    casella->setReadOnly(true);
    casella->setFocusPolicy(Qt::NoFocus);
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

} // namespace Controlli

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

    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        fuoco.rect = r.adjusted(4, 4, -4, -4);
        fuoco.backgroundColor = faccia;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fuoco, &pittore, this);
    }
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

void Casella::mousePressEvent(QMouseEvent* evento)
{
    premuta = evento->button() == Qt::LeftButton;
    QLabel::mousePressEvent(evento);
}

void Casella::mouseReleaseEvent(QMouseEvent* evento)
{
    const bool cliccata_ = premuta && evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint());
    premuta = false;
    QLabel::mouseReleaseEvent(evento);
    if (cliccata_)
        emit cliccata(indice_);
}

void Casella::resizeEvent(QResizeEvent* evento)
{
    setLineWidth(qMax(1, qRound(Interfaccia::scala(this))));
    QLabel::resizeEvent(evento);
}

void CasellaTrascinabile::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::LeftButton) {
        Casella::mousePressEvent(evento);
        return;
    }
    auto* dati = new QMimeData;
    dati->setData(FormatoCasella, QByteArray::number(indice()));
    auto* trascinamento = new QDrag(this);
    trascinamento->setMimeData(dati);
    trascinamento->setPixmap(grab());
    trascinamento->setHotSpot(evento->position().toPoint());
    const QPointer<CasellaTrascinabile> questa(this);
    // The target's drop runs in here.
    if (trascinamento->exec(Qt::MoveAction) == Qt::IgnoreAction && questa && rect().contains(mapFromGlobal(QCursor::pos())))
        emit cliccata(indice());
}

CasellaBersaglio::CasellaBersaglio(QWidget* genitore, const QString& nome, int indice, const Rettangolo& posto)
    : Casella(genitore, nome, indice, posto)
{
    setAcceptDrops(true);
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
