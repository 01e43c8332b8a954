// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/annunci.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

// The notification of a window that speaks a sentence: it shows nothing, but
// a screen reader speaks it each time it shows.
class Notifica final : public QWidget {
    Q_OBJECT
public:
    explicit Notifica(QWidget* finestra)
        : QWidget(finestra)
    {
        setObjectName(QStringLiteral("notifica"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }

    void di(const QString& frase)
    {
        hide();
        setAccessibleName(frase);
        show();
    }
};

QAccessibleInterface* accessibileNotifica(const QString& classe, QObject* oggetto)
{
    return classe == QLatin1String("Notifica")
               ? new QAccessibleWidget(static_cast<QWidget*>(oggetto), QAccessible::Notification)
               : nullptr;
}

} // namespace

namespace Interfaccia {

void annuncia(QWidget* dove, const QString& frase)
{
    if (dove && dove->hasFocus()) {
        static const bool accessibile = (QAccessible::installFactory(accessibileNotifica), true);
        Q_UNUSED(accessibile);
        QWidget* finestra = dove->window();
        auto* notifica = finestra->findChild<Notifica*>(QString(), Qt::FindDirectChildrenOnly);
        (notifica ? notifica : new Notifica(finestra))->di(frase);
        return;
    }
    // The one control that holds a sentence, and loses it with the focus.
    static QPointer<QWidget> portatore;
    static const bool collegato = [] {
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* prima, QWidget*) {
            if (prima && prima == portatore) {
                portatore->setAccessibleDescription(QString());
                portatore = nullptr;
            }
        });
        return true;
    }();
    Q_UNUSED(collegato);
    if (!dove)
        return;
    if (portatore && portatore != dove)
        portatore->setAccessibleDescription(QString());
    // The same sentence again is a new one: it changes twice, to be spoken.
    if (dove->accessibleDescription() == frase)
        dove->setAccessibleDescription(QString());
    dove->setAccessibleDescription(frase);
    portatore = dove;
}

} // namespace Interfaccia

#include "annunci.moc"
