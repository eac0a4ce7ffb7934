#pragma once

#include "tests/dateidialog.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the modal dialogs that a command opens, one step per dialog in the
// order they appear. A dialog that no step expects is rejected after a while,
// so that a wrong turn in the program fails the test instead of hanging it.
class ModalFolge : public QObject
{
public:
    using Schritt = std::function<void(QWidget *)>;

    explicit ModalFolge(QList<Schritt> schritte)
        : m_schritte(std::move(schritte))
    {
        m_uhr.start();
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { pruefen(); });
        m_timer.start();
    }

    // Names of the classes of the dialogs seen, in order.
    QStringList gesehen;
    bool unerwartet = false;

    bool alleErledigt() const { return m_schritte.isEmpty() && !unerwartet; }

private:
    void pruefen()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_letzter)
            return;
        if (m_schritte.isEmpty()) {
            if (m_uhr.elapsed() > 3000) {
                unerwartet = true;
                gesehen << QString::fromLatin1(modal->metaObject()->className());
                m_letzter = modal;
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
            return;
        }
        m_letzter = modal;
        m_uhr.restart();
        gesehen << QString::fromLatin1(modal->metaObject()->className());
        Schritt schritt = m_schritte.takeFirst();
        schritt(modal);
    }

    QList<Schritt> m_schritte;
    QPointer<QWidget> m_letzter;
    QTimer m_timer;
    QElapsedTimer m_uhr;
};

// What a message box showed, read by the step that answers it with OK.
struct Meldung {
    QString titel, text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    int knoepfe = 0;
    QWidget *eltern = nullptr;
};

inline ModalFolge::Schritt meldungLesen(Meldung &m)
{
    return [&m](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        m = {box->windowTitle(), box->text(), box->icon(), int(box->buttons().size()), box->parentWidget()};
        box->accept();
    };
}

// Chooses the file in the dialog as a user does (see DialogBeantworten).
inline ModalFolge::Schritt dateiWaehlen(const QString &pfad)
{
    return [pfad](QWidget *w) {
        const QString fehler = DialogBeantworten(qobject_cast<QFileDialog *>(w), pfad);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    };
}

inline ModalFolge::Schritt abbrechen()
{
    return [](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); };
}

// Waits until every expected dialog has been answered and no other came.
inline bool abwarten(ModalFolge &folge)
{
    return QTest::qWaitFor([&] { return folge.alleErledigt(); }, 5000) && !folge.unerwartet;
}
